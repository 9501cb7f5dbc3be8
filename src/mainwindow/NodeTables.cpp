#include "mainwindow/NodeTables.h"

#include <array>

#include "base/Format.h"
#include "base/Text.h"
#include "component/Translation.h"
#include "params/ProfileFlags.h"

namespace orvan::mainwindow {
namespace {

using component::TextKey;
using component::TranslateText;

using params::NodeKey::AccountSetParameters;
using params::NodeKey::PeriodState;
using params::NodeKey::PlanningParameters;

// Keys the tree does not have offer what a list without commands of its own offers.
constexpr RecordCommands OtherCommands{false, false, true, {}, false, true};

std::string choiceFooter(const char *label, int16_t flag, const char *nonZero, const char *zero)
{
    return TranslateText(label) + TranslateText(flag != 0 ? nonZero : zero) + "|";
}

} // namespace

std::optional<std::string> setCodeOf(std::string_view key)
{
    const auto *node = params::findNodeNoCase(key);
    if (!node || !node->helpSetCode)
        return std::nullopt;
    return std::string(node->helpSetCode);
}

std::optional<int32_t> optionPageOf(std::string_view key)
{
    const auto *node = params::findNode(key);
    if (!node || node->optionPage < 0)
        return std::nullopt;
    return node->optionPage;
}

const char *classTitleOf(std::string_view key)
{
    const auto *node = params::findNode(key);
    switch (node ? node->classLine : params::ClassLine::Keep) {
    case params::ClassLine::System:
        return TextKey("系统参数设置");
    case params::ClassLine::Accounting:
        return TextKey("核算参数设置");
    case params::ClassLine::Planning:
        return TextKey("计划参数设置");
    case params::ClassLine::Keep:
        break;
    }
    return nullptr;
}

const char *windowCaptionOf(int32_t sysClass)
{
    constexpr std::array<const char *, 5> Captions{TextKey("系统参数维护"), TextKey("核算参数维护"),
                                                   TextKey("计划参数维护"), TextKey("所有参数维护"),
                                                   TextKey("系统预警参数维护")};
    return sysClass >= 0 && sysClass < 5 ? Captions[static_cast<std::size_t>(sysClass)] : nullptr;
}

const char *classCaptionOf(int32_t sysClass)
{
    constexpr std::array<const char *, 5> Captions{TextKey("系统参数设置"), TextKey("核算参数设置"),
                                                   TextKey("计划参数设置"), TextKey("所有参数设置"),
                                                   TextKey("系统预警参数设置")};
    return sysClass >= 0 && sysClass < 5 ? Captions[static_cast<std::size_t>(sysClass)] : nullptr;
}

RecordCommands recordCommandsOf(std::string_view key)
{
    const auto *node = params::findNode(key);
    return node ? node->commands : OtherCommands;
}

PopupCommands popupCommandsOf(std::string_view key)
{
    const auto *node = params::findNode(key);
    return node ? node->popup : PopupCommands{};
}

bool isOptionOrGroupNode(std::string_view key)
{
    const auto *node = params::findNode(key);
    return node && node->modifyDoesNothing;
}

std::string footerText(std::string_view key)
{
    const auto &flags = params::profileFlags();
    if (key == AccountSetParameters)
        return choiceFooter(TextKey("||核算方式|"), flags.auditChoice, TextKey("数量、金额核算"),
                            TextKey("数量核算"));
    if (key == PeriodState)
        return choiceFooter(TextKey("||会计期间定义|"), flags.periodDefineMethod,
                            TextKey("按照期间个数"), TextKey("按照自然月份"));
    if (key == PlanningParameters)
        return choiceFooter(TextKey("||早于需求时界的累计未兑现预测处理策略|"),
                            flags.forecastStrategy, TextKey("忽略不记"),
                            TextKey("移至需求时界后的第一个时区"));
    return {};
}

std::string loadTimeText(double elapsedSeconds, component::TranslatedTexts &words)
{
    if (elapsedSeconds > 1) {
        const auto &unit = words(" 秒");
        const bool spaced = !unit.empty() && unit.front() == ' ';
        return base::formatNumber(elapsedSeconds, "#.00") + (spaced ? "" : " ") + unit;
    }
    return base::formatNumber(elapsedSeconds * 1000, "#.00") + words("毫秒");
}

std::string loadTimeText(double elapsedSeconds)
{
    component::TranslatedTexts words;
    return loadTimeText(elapsedSeconds, words);
}

} // namespace orvan::mainwindow
