#include "editor/PlanParameterPage.h"
#include "component/AccountReason.h"

#include <array>
#include <cstdint>
#include <optional>

#include "base/Convert.h"
#include "base/DateTime.h"
#include "base/Error.h"
#include "base/Text.h"
#include "component/SysEnum.h"
#include "component/Translation.h"
#include "db/SqlText.h"
#include "editor/EditorState.h"
#include "editor/RecordEditor.h"
#include "forms/Messages.h"
#include "params/ProfileCaption.h"
#include "params/ProfileFlags.h"
#include "params/ProfileStore.h"
#include "planning/PilotPanel.h"

namespace orvan::editor {

using component::TextKey;
using component::TranslateText;
using Parameter = PlanParameterPage::Parameter;

namespace {

constexpr const char *NoticeTitle = "Tessel";
constexpr const char *IgnoreChoice = TextKey("忽略不记");
constexpr const char *MoveChoice = TextKey("移至需求时界后的第一个时区");

struct ParameterKey
{
    const char *key;
    Parameter parameter;
};

constexpr std::array<ParameterKey, 6> ParameterKeys{{
    {"DaysPerTimeZone", Parameter::DaysPerTimeZone},
    {"DemandTimeLimit", Parameter::DemandTimeLimit},
    {"PlanStartDate", Parameter::PlanStartDate},
    {"PlanTimeLimit", Parameter::PlanTimeLimit},
    {"TimeZoneCount", Parameter::TimeZoneCount},
    {"ProOfBeforeDemandLimit", Parameter::ForecastStrategy},
}};

// What a change of a parameter other than the zone size invalidates: the schedule
// generated from it.
struct ChangeNotice
{
    Parameter parameter;
    const char *what;
    const char *why; // may be empty
};

constexpr std::array<ChangeNotice, 5> ChangeNotices{{
    {Parameter::DemandTimeLimit, TextKey("需求时界 将被改变因为生成主生产计划依赖于[需求时界]"),
     ""},
    {Parameter::PlanStartDate, TextKey("计划开始日期 将被改变"),
     TextKey("因为生成主生产计划依赖于[计划开始日期]")},
    {Parameter::PlanTimeLimit, TextKey("计划时界 将被改变"),
     TextKey("因为生成主生产计划依赖于[计划时界]")},
    {Parameter::TimeZoneCount, TextKey("展望期时区个数 将被改变"),
     TextKey("因为生成主生产计划依赖于[展望期时区个数]")},
    {Parameter::ForecastStrategy, TextKey("早于需求时界的累计未兑现预测的处理策略 将被改变"),
     TextKey("因为生成主生产计划依赖于[早于需求时界的累计未兑现预测的处理策略]")},
}};

constexpr std::array<const char *, 5> ZoneSizeWarning{{
    TextKey("计划参数:每时区天数 将被改变."),
    TextKey("因为主生产计划预测方案各个预测输入是和相应的时区关联,"),
    TextKey("所以一旦改变了[每时区天数],"),
    TextKey("你以前录入的预测方案将不可用."),
    TextKey("确认要继续吗?"),
}};

std::string currentKey()
{
    const auto &state = editorState();
    if (!state.rowKeys.contains(state.currentRow))
        return {};
    return base::trim(state.rowKeys.at(state.currentRow).text());
}

std::string trimmedField(const db::RecordsetPtr &rows, const char *field)
{
    return base::trim(rows->Fields(field).Value().text());
}

std::string captionOf(const std::string &key)
{
    std::string shown;
    return params::ProfileCaption(key, base::Variant(), shown);
}

// The value in force of a planning key; nothing when the row is missing. Raises what
// the database raises.
std::optional<std::string> storedValue(const std::string &key)
{
    const auto value = params::firstFieldText(
        "Select FValue From T_SystemProfile Where FCategory='PL' and FKey=" + db::sqlQuote(key),
        "FValue");
    if (!value)
        return std::nullopt;
    return base::trim(*value);
}

// The text a value is shown with: the strategy shows the caption of its choice, a date
// the date as the date cell writes it.
std::string shownValue(Parameter parameter, const std::string &value)
{
    if (parameter == Parameter::ForecastStrategy)
        return captionOf("PobValue" + value);
    if (parameter == Parameter::PlanStartDate) {
        if (const auto date = base::parseDate(value))
            return base::dateToText(base::dateOnly(*date));
    }
    return value;
}

// Notices of the start date check are shown whatever the error option says.
void planNotice(const char *text)
{
    forms::showSuiteMessage(TranslateText("Tessel提示"), TranslateText(text));
}

bool plansExist()
{
    const auto rows = params::executeOnAccount("SELECT * FROM PLMPSPlan");
    return rows && !rows->isEOF();
}

// The stored zone size, when it is a positive whole number.
std::optional<int32_t> storedDaysPerTimeZone()
{
    const auto value = storedValue("DaysPerTimeZone");
    if (!value)
        return std::nullopt;
    const auto number = base::parseNumber(*value);
    if (!number || *number < 1 || *number > INT32_MAX)
        return std::nullopt;
    return base::toLong(*number);
}

std::optional<double> storedStartDate()
{
    const auto value = storedValue("PlanStartDate");
    if (!value)
        return std::nullopt;
    return base::parseDate(*value);
}

// Whether the new value (already in the form it is stored in) differs from the stored
// one: dates by day, the others as whole numbers. A stored value that does not convert
// is damaged and counts as different.
bool differs(Parameter parameter, const std::string &value, const std::string &stored)
{
    if (parameter == Parameter::PlanStartDate) {
        const auto before = base::parseDate(stored);
        return !before || base::dateOnly(*before) != *base::parseDate(value);
    }
    int16_t before = 0;
    if (!base::tryStep([&] { before = base::textToInteger(stored); }))
        return true;
    return before != base::textToInteger(value);
}

} // namespace

PlanParameterPage::PlanParameterPage(RecordEditor &editor)
    : m_editor(editor)
{}

Parameter PlanParameterPage::parameterOf(const std::string &key)
{
    for (const auto &entry : ParameterKeys)
        if (base::equalsNoCase(key, entry.key))
            return entry.parameter;
    return Parameter::Other;
}

Parameter PlanParameterPage::currentParameter() const
{
    return parameterOf(currentKey());
}

void PlanParameterPage::setUp()
{
    m_editor.caption = TranslateText("修改计划参数设置");
    auto &grid = m_editor.grid();
    grid.clearAll();
    grid.setMaxRows(1);
}

// Loading.

void PlanParameterPage::load(int row)
{
    const auto &keys = editorState().rowKeys;
    if (!keys.contains(row))
        return;
    const auto key = keys.at(row).text();
    std::string caption;
    std::string value;
    base::tryStep([&] {
        auto rows = params::executeOnAccount("select FValue,FKey from t_systemprofile where FKey=" +
                                             db::sqlQuote(key));
        if (!rows || rows->isEOF())
            return;
        const auto rowKey = trimmedField(rows, "FKey");
        value = shownValue(parameterOf(rowKey), trimmedField(rows, "FValue"));
        caption = captionOf(rowKey);
    });
    setUpValueCell(caption);
    showRecord(caption, value);
}

void PlanParameterPage::setUpValueCell(const std::string &caption)
{
    auto &grid = m_editor.grid();
    grid.cell(1, 1).locked = true;
    auto &cell = grid.cell(2, 1);
    cell = forms::GridCell{};
    if (caption == TranslateText("计划起始日期")) {
        cell.type = forms::CellType::Date;
    } else if (caption == TranslateText("早于需求时界的累计未兑现预测处理策略")) {
        cell.type = forms::CellType::ComboBox;
        cell.listItems = {TranslateText(IgnoreChoice), TranslateText(MoveChoice)};
    }
}

void PlanParameterPage::showRecord(const std::string &caption, const std::string &value)
{
    m_editor.tabs().captions[0] = caption;
    m_editor.grid().setText(1, 1, caption);
    m_editor.grid().setText(2, 1, value);
}

bool PlanParameterPage::acceptsGridCharacter(int keyAscii) const
{
    const auto &grid = m_editor.grid();
    if (grid.activeRow() > grid.maxRows() || grid.activeCol() > grid.maxCols())
        return false;
    const auto type = grid.cell(grid.activeCol(), grid.activeRow()).type;
    if (type == forms::CellType::ComboBox)
        return true;
    if ((keyAscii >= '0' && keyAscii <= '9') || keyAscii == KeyAsciiBackspace)
        return true;
    return type == forms::CellType::Date && (keyAscii == '-' || keyAscii == '/');
}

// The checks of the save prompt.

bool PlanParameterPage::validateBeforeSave()
{
    const auto text = m_editor.grid().text(2, 1);
    bool valid = true;
    try {
        // An empty value goes through the count check too, which says why it is refused.
        if (!checkPlanValue(text))
            valid = false;
        else if (!base::isDate(base::Variant(text)) &&
                 (base::isNumericText(text) || base::trim(text).empty()))
            valid = checkTimeZoneCounts(text);
    } catch (const base::Error &error) {
        RecordEditor::showError(component::userErrorText(error));
        valid = false;
    }
    if (!valid)
        restoreValueCell();
    m_editor.changed = valid;
    return valid;
}

// A refused value gives way to the one in force: the fences from the window's copies,
// the others from the database.
void PlanParameterPage::restoreValueCell()
{
    auto &grid = m_editor.grid();
    const auto &state = editorState();
    const auto parameter = currentParameter();
    if (parameter == Parameter::DemandTimeLimit)
        grid.setText(2, 1, std::to_string(state.demandTimeLimit));
    else if (parameter == Parameter::PlanTimeLimit)
        grid.setText(2, 1, std::to_string(state.planTimeLimit));
    else if (parameter == Parameter::TimeZoneCount)
        grid.setText(2, 1, std::to_string(state.timeZoneCount));
    else
        base::tryStep([&] {
            if (const auto stored = storedValue(currentKey()))
                grid.setText(2, 1, shownValue(parameter, *stored));
        });
}

bool PlanParameterPage::checkPlanValue(const std::string &text)
{
    if (currentParameter() == Parameter::PlanStartDate)
        return checkPlanStartDate(text);
    return true;
}

bool PlanParameterPage::checkTimeZoneCounts(const std::string &text)
{
    const auto number = base::parseNumber(text);
    if ((number && *number == 0) || base::trim(text).empty()) {
        RecordEditor::showError(TranslateText("计划参数不能设置为0或空"));
        return false;
    }
    // Stored as a 16-bit whole number: a larger one is refused here, not at the store.
    if (!base::tryStep([&] { m_newValue = base::textToInteger(text); })) {
        RecordEditor::showError(TranslateText("参数溢出,重新输入"));
        return false;
    }
    const auto &state = editorState();
    const auto value = m_newValue;
    const auto demand = state.demandTimeLimit;
    const auto plan = state.planTimeLimit;
    const auto zones = state.timeZoneCount;
    switch (currentParameter()) {
    case Parameter::DemandTimeLimit:
        if (value < plan && value < zones)
            return true;
        if (value >= plan && value < zones)
            RecordEditor::showError(TranslateText("需求时界的时区数必须小于计划时界的时区数"));
        if (value >= zones)
            RecordEditor::showError(TranslateText("需求时界的时区数必须小于展望区的时区数"));
        return false;
    case Parameter::PlanTimeLimit:
        if (value < zones && value > demand)
            return true;
        if (value <= demand)
            RecordEditor::showError(TranslateText("计划时界的时区数必须大于需求时界的时区数"));
        if (value >= zones)
            RecordEditor::showError(TranslateText("计划时界的时区数必须小于展望区的时区数"));
        return false;
    case Parameter::TimeZoneCount:
        if (value > demand && value > plan)
            return true;
        if (value <= demand)
            RecordEditor::showError(TranslateText("展望区的时区数必须大于需求时界的时区数"));
        if (value <= plan)
            RecordEditor::showError(TranslateText("展望区的时区数必须大于计划时界的时区数"));
        return false;
    default:
        return true;
    }
}

// While forecast plans exist their zones are counted from the start date: it may only
// move by whole zones. A damaged zone size or start date leaves nothing to measure by.
bool PlanParameterPage::checkPlanStartDate(const std::string &text)
{
    const auto newDate = base::parseDate(text);
    if (!newDate) {
        RecordEditor::showError(
            TranslateText("计划起始日期不是有效的日期，请按年-月-日输入，如2026-12-01。"));
        return false;
    }
    if (!plansExist())
        return true;
    const auto days = storedDaysPerTimeZone();
    if (!days) {
        planNotice(TextKey("计划参数:每时区天数 被破坏"));
        return false;
    }
    const auto oldDate = storedStartDate();
    if (!oldDate) {
        planNotice(TextKey("计划参数:计划开始日期 被破坏"));
        return false;
    }
    if (base::dateDiffDays(*oldDate, *newDate) % *days == 0)
        return true;
    planNotice(TextKey("修改后的[计划开始日期]必须与修改前日期间隔整数个时区"));
    return false;
}

// Saving.

void PlanParameterPage::save()
{
    const auto key = currentKey();
    if (key.empty())
        return;
    // The Save button checks what the save prompt checks: no fence beyond the horizon,
    // no zero, no start date off the zones.
    if (!validateBeforeSave())
        return;
    const auto parameter = parameterOf(key);
    try {
        const auto value = valueToStore(parameter, base::trim(m_editor.grid().text(2, 1)));
        const auto stored = storedValue(key);
        if (!stored)
            return;
        if (differs(parameter, value, *stored)) {
            if (!confirmChange(parameter, *stored))
                return;
        } else {
            m_editor.changed = false;
        }
        params::executeOnAccount("Update T_SystemProfile Set FValue=" + db::sqlQuote(value) +
                                 " where FKey=" + db::sqlQuote(key));
        forms::showSuiteMessage(TranslateText("Tessel提示"), TranslateText("计划参数保存成功"));
        m_editor.changed = false;
        afterSave(parameter, value);
    } catch (const base::Error &error) {
        RecordEditor::showError(component::userErrorText(error));
    }
}

// The value as it is stored: a strategy as 1 or 0, a date as yyyy-mm-dd, the others as
// whole numbers. A value that does not convert raises (type mismatch, overflow) so that
// it is never written.
std::string PlanParameterPage::valueToStore(Parameter parameter, const std::string &text) const
{
    switch (parameter) {
    case Parameter::ForecastStrategy:
        if (text == TranslateText(IgnoreChoice))
            return "1";
        if (text == TranslateText(MoveChoice))
            return "0";
        throw base::Error::typeMismatch();
    case Parameter::PlanStartDate: {
        const auto date = base::parseDate(text);
        if (!date)
            throw base::Error::typeMismatch();
        return base::dateToText(base::dateOnly(*date));
    }
    default:
        return std::to_string(base::textToInteger(text));
    }
}

// Tells what the change invalidates; false stops the save.
bool PlanParameterPage::confirmChange(Parameter parameter, const std::string &stored)
{
    if (parameter == Parameter::DaysPerTimeZone)
        return confirmNewZoneSize(stored);
    for (const auto &notice : ChangeNotices) {
        if (notice.parameter != parameter)
            continue;
        const auto text =
            TranslateText("计划参数:") + TranslateText(notice.what) + TranslateText(notice.why) +
            TranslateText(",所以你需要重新运行 生成主生产计划 以保证主生产计划的正确性");
        forms::showSuiteMessage(NoticeTitle, text);
    }
    return true;
}

// A new zone size makes the forecast plans useless: they are emptied first. When the
// user declines, or the plans could not all be removed, the size in force stays.
bool PlanParameterPage::confirmNewZoneSize(const std::string &stored)
{
    std::string text;
    for (const char *piece : ZoneSizeWarning)
        text += TranslateText(piece);
    const bool confirmed = forms::showSuiteMessage(NoticeTitle, text, forms::SuiteStyle::Warning) ==
                           forms::Answer::Yes;
    if (confirmed && planning::runForecastPanel(false) == planning::PilotPanel::Outcome::Done)
        return true;
    m_editor.changed = false;
    m_editor.grid().setText(2, 1, stored);
    return false;
}

// Keeps the copies of the fences and the strategy in step with the database and
// re-times the forecast plans to a new start date or zone count.
void PlanParameterPage::afterSave(Parameter parameter, const std::string &value)
{
    auto &state = editorState();
    switch (parameter) {
    case Parameter::DemandTimeLimit:
        state.demandTimeLimit = base::textToLong(value);
        break;
    case Parameter::PlanStartDate:
        planning::runForecastPanel(true, component::ByPlanStartDate);
        break;
    case Parameter::PlanTimeLimit:
        state.planTimeLimit = base::textToLong(value);
        break;
    case Parameter::TimeZoneCount:
        state.timeZoneCount = base::textToLong(value);
        planning::runForecastPanel(true, component::ByTZCount);
        break;
    case Parameter::ForecastStrategy:
        params::profileFlags().forecastStrategy = static_cast<int16_t>(value == "1" ? 1 : 0);
        break;
    default:
        break;
    }
}

} // namespace orvan::editor
