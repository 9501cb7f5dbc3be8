#include "suite/CalParameterControl.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <string_view>
#include <vector>

#include "base/Error.h"
#include "base/Text.h"
#include "component/AccountLookup.h"
#include "component/LoginContext.h"
#include "component/Translation.h"
#include "db/SqlText.h"
#include "forms/Messages.h"
#include "forms/Printer.h"
#include "suite/CostAccount.h"

namespace orvan::suite {
namespace {

using component::FormatText;
using component::TextKey;
using component::TranslateText;
using forms::OptionKind;

std::string errorText(const std::exception &error)
{
    if (const auto *known = dynamic_cast<const base::Error *>(&error))
        return known->description();
    return error.what();
}

std::optional<OptionKind> kindOfType(int32_t type)
{
    switch (type) {
    case 0:
        return OptionKind::Check;
    case 1:
        return OptionKind::WholeNumber;
    case 2:
        return OptionKind::Decimal;
    case 3:
        return OptionKind::Text;
    case 4:
        return OptionKind::List;
    default:
        return std::nullopt;
    }
}

std::vector<std::string> listItems(const std::string &text)
{
    return text.empty() ? std::vector<std::string>{} : base::splitAll(text, "|");
}

std::optional<double> limitOf(const base::Variant &value)
{
    if (value.isNull() || base::trim(value.text()).empty())
        return std::nullopt;
    return value.toDouble();
}

std::string shownText(db::Recordset &rows, const char *shown, const char *fallback)
{
    const auto text = rows.Fields(shown).Value().text();
    return text.empty() ? rows.Fields(fallback).Value().text() : text;
}

// A parameter row as the sheet shows it. The items of a list in the login's language are
// used only when they match the stored items one for one (the value is an item's index).
// A row of an unknown type is shown as read-only text.
forms::OptionRow parameterRow(db::Recordset &rows)
{
    forms::OptionRow row;
    row.key = rows.Fields("FKey").Value().text();
    row.caption = shownText(rows, "FCaptionShown", "FCaption");
    row.value = rows.Fields("FValue").Value().text();
    const auto kind = kindOfType(rows.Fields("FType").Value().toLong());
    row.kind = kind.value_or(OptionKind::Text);
    row.enabled = kind.has_value();
    const auto maximum = limitOf(rows.Fields("FMax").Value());
    if (row.kind == OptionKind::Text) {
        row.maxLength = maximum && *maximum >= 1 ? static_cast<int>(std::min(*maximum, 1e9)) : 0;
    } else if (row.kind == OptionKind::WholeNumber || row.kind == OptionKind::Decimal) {
        row.minimum = limitOf(rows.Fields("FMin").Value());
        row.maximum = maximum;
    } else if (row.kind == OptionKind::List) {
        const auto stored = listItems(rows.Fields("FList").Value().text());
        const auto shown = listItems(shownText(rows, "FListShown", "FList"));
        row.listItems = shown.size() == stored.size() ? shown : stored;
    }
    return row;
}

std::string kindCondition(CalParameterKind kind)
{
    return "FKind=" + db::sqlNumber(static_cast<int32_t>(kind));
}

} // namespace

CalParameterControl::CalParameterControl(CalParameterKind kind)
    : m_kind(kind)
{}

std::shared_ptr<CalParameterControl> CalParameterControl::forInventory()
{
    return std::make_shared<CalParameterControl>(CalParameterKind::Inventory);
}

std::shared_ptr<CalParameterControl> CalParameterControl::forCost()
{
    return std::make_shared<CalParameterControl>(CalParameterKind::Cost);
}

void CalParameterControl::LoadParameters()
{
    m_sheet.title = m_kind == CalParameterKind::Cost ? TranslateText("成本计算参数")
                                                     : TranslateText("存货核算参数");
    m_sheet.rows.clear();
    m_sheet.currentRow = -1;
    m_loaded = false;
    try {
        CostAccount account(component::LoginPropsString());
        readRows(account);
        m_loaded = true;
    } catch (const std::exception &error) {
        m_sheet.rows.clear();
        tell(FormatText("计算参数读取失败：%1", errorText(error)));
    }
}

void CalParameterControl::readRows(CostAccount &account)
{
    using component::LanguageColumn;
    auto rows = account.execute("SELECT FKey, FValue, FCaption, " + LanguageColumn("FCaption") +
                                " AS FCaptionShown, FType, FList, " + LanguageColumn("FList") +
                                " AS FListShown, FMin, FMax FROM t_CalParameter WHERE " +
                                kindCondition(m_kind) + " ORDER BY FIndex, FKey");
    for (; rows && !rows->isEOF(); rows->MoveNext())
        m_sheet.rows.push_back(parameterRow(*rows));
}

bool CalParameterControl::ChangeValue(const std::string &key, const std::string &typed)
{
    auto *row = m_sheet.row(key);
    if (!row)
        return false;
    std::string reason;
    std::string argument;
    const auto accepted = forms::acceptValue(*row, typed, reason, argument);
    if (!accepted) {
        tell(FormatText(reason, row->caption, argument));
        return false;
    }
    if (*accepted == row->value)
        return true;
    if (isAccountNumber(*row) && !accountExists(*accepted)) {
        tell(TranslateText("输入的数据不正确。在科目表中找不到对应的项。"));
        return false;
    }
    if (!storeValue(*row, *accepted))
        return false;
    row->value = *accepted;
    return true;
}

// Parameters that name an account of the chart of accounts by its number.
bool CalParameterControl::isAccountNumber(const forms::OptionRow &row)
{
    return row.key == "RoundingAccount";
}

// Checked as every account number is; empty names no account. A failing read is told
// by the store that follows.
bool CalParameterControl::accountExists(const std::string &number)
{
    if (base::trim(number).empty())
        return true;
    try {
        CostAccount account(component::LoginPropsString());
        const auto rows = account.execute(component::accountByNumberSql(base::trim(number)));
        return rows && !rows->isEOF();
    } catch (const std::exception &) {
        return true;
    }
}

// Writes the value and reads it back in one batch: a row that is no longer in the account
// is reported instead of taken as stored.
bool CalParameterControl::storeValue(const forms::OptionRow &row, const std::string &value)
{
    const auto where = " WHERE " + kindCondition(m_kind) + " AND FKey=" + db::sqlQuote(row.key);
    try {
        CostAccount account(component::LoginPropsString());
        auto stored = account.execute("UPDATE t_CalParameter SET FValue=" + db::sqlQuote(value) +
                                      where + "\r\nSELECT FValue FROM t_CalParameter" + where);
        if (stored && !stored->isEOF())
            return true;
        tell(FormatText("找不到参数%1，无法保存。", row.caption));
    } catch (const std::exception &error) {
        tell(FormatText("计算参数保存失败：%1", errorText(error)));
    }
    return false;
}

void CalParameterControl::Preview()
{
    printSheet(forms::PrintMode::Preview);
}

void CalParameterControl::Print()
{
    printSheet(forms::PrintMode::Print);
}

// Prints the rows shown, loading them first when the control has not shown any yet.
void CalParameterControl::printSheet(forms::PrintMode mode)
{
    if (!m_loaded)
        LoadParameters();
    if (!m_loaded)
        return;
    forms::PrintDocument document;
    document.title = m_sheet.title;
    document.headings = {TranslateText("参数"), TranslateText("值")};
    for (const auto &row : m_sheet.rows)
        document.rows.push_back({row.caption, forms::displayValue(row)});
    forms::printer().print(document, mode);
}

void CalParameterControl::tell(const std::string &text)
{
    forms::showMessage(TranslateText("Tessel提示"), text, forms::Buttons::Ok, forms::Icon::Warning);
}

} // namespace orvan::suite
