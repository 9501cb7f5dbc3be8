#include "mainwindow/NodeTables.h"

#include <algorithm>
#include <array>
#include <utility>

#include "base/Format.h"
#include "base/Text.h"
#include "component/Translation.h"
#include "params/ProfileFlags.h"

namespace orvan::mainwindow {
namespace {

using component::TextKey;
using component::TranslateText;

template <std::size_t N>
bool isOneOf(std::string_view key, const std::array<std::string_view, N> &keys)
{
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

constexpr std::array<std::pair<std::string_view, std::string_view>, 22> SetCodes{{
    {"SYS1", "SYS_SET"},      {"SYS2", "BillNo_SET"},   {"SYS3", "GYLZT_SET"},
    {"SYS4", "PRINT_SET"},    {"SYS5", "PURCHASE_SET"}, {"SYS6", "STOCK_SET"},
    {"SYS7", "CACULATE_SET"}, {"SYS8", "SALE_SET"},     {"SYS9", "BILLTRANTYPE_SET"},
    {"SYS10", "SJCB"},        {"SYS11", "Cj_SET"},      {"SYS12", "Jh_SET"},
    {"SYS13", "QM_SET"},      {"SYS16", "FAX_SET"},     {"SYS17", "DRP_SET"},
    {"SYS18", "Operm_SET"},   {"SYS19", "Subc_SET"},    {"SYS20", "Device_SET"},
    {"SYS21", "OPCOST"},      {"SYS22", "LP_SET"},      {"IMP", "IMP_SET"},
    {"EXP", "EXP_SET"},
}};

constexpr std::array<std::pair<std::string_view, int32_t>, 21> OptionPages{{
    {"sys3", 0},   {"sys5", 1},   {"sys6", 2},   {"sys8", 3},   {"sys11", 6},  {"sys12", 7},
    {"sys13", 8},  {"sys14", 9},  {"sys16", 16}, {"sys17", 17}, {"sys18", 18}, {"sys19", 19},
    {"sys20", 20}, {"sys21", 21}, {"sys22", 22}, {"Imp", 25},   {"Exp", 26},   {"sys27", 27},
    {"sys7", -1},  {"sys10", -1}, {"sys1", -1},
}};

constexpr std::array<std::string_view, 12> SystemTitleKeys{
    "All0", "sys1", "sys2", "sys4", "sys3", "sys5", "sys6", "sys7", "sys8", "sys10", "Imp", "Exp"};
constexpr std::array<std::string_view, 4> AccountingTitleKeys{"All1", "au1", "au2", "au3"};
constexpr std::array<std::string_view, 2> PlanningTitleKeys{"All2", "pL1"};

constexpr std::array<std::string_view, 4> LedgerKeys{"sys1", "sys2", "sys4", "pL1"};
constexpr std::array<std::string_view, 6> NoCommandKeys{"sys16", "sys27", "au1",
                                                        "au2",   "au21",  "au22"};
constexpr std::array<std::string_view, 2> RecordListKeys{"au3", "sys9"};
constexpr std::array<std::string_view, 18> ModifyHiddenKeys{
    "sys3",  "sys5",  "sys6",  "sys7",  "sys8",  "sys10", "sys11", "sys12", "sys13",
    "sys14", "sys18", "sys19", "sys20", "sys21", "sys22", "sys27", "Imp",   "Exp"};
constexpr std::array<std::string_view, 4> ModifyShownKeys{"sys1", "sys2", "sys4", "sys9"};

constexpr std::array<std::string_view, 23> OptionOrGroupKeys{
    "au1",   "au2",   "au21",  "au22",  "All0",  "All1",  "All2",  "sys3",
    "sys5",  "sys6",  "sys7",  "sys8",  "sys10", "sys11", "sys12", "sys13",
    "sys14", "sys18", "sys19", "sys20", "sys21", "sys22", "sys27"};

RecordCommands tableCommandsOf(std::string_view key)
{
    if (isOneOf(key, LedgerKeys))
        return {false, false, true, false, false, true};
    if (isOneOf(key, NoCommandKeys))
        return {false, false, false, false, false, false};
    if (isOneOf(key, RecordListKeys))
        return {true, true, true, true, true, true, true};
    return {false, false, true, {}, false, true};
}

std::string choiceFooter(const char *label, int16_t flag, const char *nonZero, const char *zero)
{
    return TranslateText(label) + TranslateText(flag != 0 ? nonZero : zero) + "|";
}

} // namespace

std::optional<std::string> setCodeOf(std::string_view key)
{
    const auto upper = base::upperCase(key);
    for (const auto &[nodeKey, code] : SetCodes) {
        if (nodeKey == upper)
            return std::string(code);
    }
    return std::nullopt;
}

std::optional<int32_t> optionPageOf(std::string_view key)
{
    if (key.starts_with("alarm"))
        return 12;
    for (const auto &[nodeKey, page] : OptionPages) {
        if (nodeKey == key && page >= 0)
            return page;
    }
    return std::nullopt;
}

const char *classTitleOf(std::string_view key)
{
    if (isOneOf(key, SystemTitleKeys))
        return TextKey("系统参数设置");
    if (isOneOf(key, AccountingTitleKeys))
        return TextKey("核算参数设置");
    if (isOneOf(key, PlanningTitleKeys))
        return TextKey("计划参数设置");
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
    auto commands = tableCommandsOf(key);
    if (key.starts_with("alarm")) {
        commands.modifyButton = false;
    } else if (isOneOf(key, ModifyHiddenKeys)) {
        commands.modifyButton = false;
        commands.editModify = false;
    } else if (isOneOf(key, ModifyShownKeys)) {
        commands.modifyButton = true;
        commands.editModify = true;
    }
    return commands;
}

PopupCommands popupCommandsOf(std::string_view key)
{
    if (isOneOf(key, LedgerKeys))
        return {false, false, true};
    if (isOneOf(key, RecordListKeys))
        return {true, true, true};
    return {};
}

bool isOptionOrGroupNode(std::string_view key)
{
    return isOneOf(key, OptionOrGroupKeys);
}

std::string footerText(std::string_view key)
{
    const auto &flags = params::profileFlags();
    if (key == "au1")
        return choiceFooter(TextKey("||核算方式|"), flags.auditChoice, TextKey("数量、金额核算"),
                            TextKey("数量核算"));
    if (key == "au21")
        return choiceFooter(TextKey("||会计期间定义|"), flags.periodDefineMethod,
                            TextKey("按照期间个数"), TextKey("按照自然月份"));
    if (key == "pL1")
        return choiceFooter(TextKey("||早于需求时界的累计未兑现预测处理策略|"),
                            flags.forecastStrategy, TextKey("忽略不记"),
                            TextKey("移至需求时界后的第一个时区"));
    return {};
}

std::string loadTimeText(double elapsedSeconds)
{
    if (elapsedSeconds > 1) {
        auto unit = TranslateText(" 秒");
        if (unit.empty() || unit.front() != ' ')
            unit.insert(0, " ");
        return base::formatNumber(elapsedSeconds, "#.00") + unit;
    }
    return base::formatNumber(elapsedSeconds * 1000, "#.00") + TranslateText("毫秒");
}

} // namespace orvan::mainwindow
