#include "suite/AccountOptionProfile.h"

#include "component/AccountReason.h"
#include "suite/ChangeHistory.h"

#include <array>
#include <cmath>
#include <functional>
#include <utility>

#include "base/Convert.h"
#include "base/Dictionary.h"
#include "base/Error.h"
#include "base/Text.h"
#include "component/ProcessState.h"
#include "component/Translation.h"
#include "db/SqlText.h"
#include "forms/Messages.h"
#include "forms/Printer.h"

namespace orvan::suite {
namespace {

using component::TextKey;
using component::TranslateText;

// The titles of the pages, by page code.
constexpr std::array<std::pair<int32_t, const char *>, 20> PageTitles{{
    {0, TextKey("供应链整体选项")},    {1, TextKey("采购系统选项")},
    {2, TextKey("仓存系统选项")},      {3, TextKey("销售系统选项")},
    {6, TextKey("生产任务管理选项")},  {7, TextKey("计划系统选项")},
    {8, TextKey("质量系统选项")},      {9, TextKey("医药系统选项")},
    {12, TextKey("预警参数设置")},     {16, TextKey("分销系统选项")},
    {17, TextKey("门店系统选项")},     {18, TextKey("车间作业管理选项")},
    {19, TextKey("委外加工管理选项")}, {20, TextKey("设备管理选项")},
    {21, TextKey("作业成本管理选项")}, {22, TextKey("看板管理系统选项")},
    {25, TextKey("进口系统选项")},     {26, TextKey("出口系统选项")},
    {27, TextKey("标准成本管理选项")}, {-1, ""},
}};

constexpr std::array<const char *, 10> SwitchKeys{
    "ShowPPBomTaskNo",   "AutoPPBOMWSW",       "SumAbsoluteQty",          "UseShortNumber",
    "CanAlterBillNo",    "AutoCheckWorkBill",  "ShowSubcontractBillType", "UseOperAuxUnit",
    "OperMoveNoEnabled", "UseLetterSortField",
};

constexpr const char *BomOptionKey = "BomEOption";

component::ConnectionComponent &connection()
{
    return component::requireConnection();
}

std::string text(db::Recordset &rows, const char *field)
{
    const auto value = rows.Fields(field).Value();
    return value.isNull() ? std::string() : value.text();
}

std::optional<double> limit(db::Recordset &rows, const char *field)
{
    const auto value = rows.Fields(field).Value();
    if (value.isNull() || value.isEmpty())
        return std::nullopt;
    return value.toDouble();
}

forms::OptionKind kindOf(int32_t type)
{
    switch (type) {
    case 1:
        return forms::OptionKind::WholeNumber;
    case 2:
        return forms::OptionKind::Decimal;
    case 3:
        return forms::OptionKind::Text;
    case 4:
        return forms::OptionKind::List;
    case 5:
        return forms::OptionKind::Switch;
    case 6:
        return forms::OptionKind::Button;
    default:
        return forms::OptionKind::Check;
    }
}

// The items of a list option in the login's language; the value stored is the index.
std::vector<std::string> listItems(const std::string &list)
{
    if (list.empty())
        return {};
    auto items = base::splitAll(list, "|");
    for (auto &item : items)
        item = TranslateText(item);
    return items;
}

void warn(const std::string &text)
{
    forms::showMessage(TranslateText("Tessel提示"), text, forms::Buttons::Ok, forms::Icon::Warning);
}

} // namespace

void AccountOptionProfile::setEvents(component::OptionProfileEvents events)
{
    m_events = std::move(events);
}

int32_t AccountOptionProfile::groupOfPage(int32_t pageCode)
{
    return pageCode == AlarmPage ? AlarmGroup : pageCode;
}

int AccountOptionProfile::switchPosition(const std::string &key)
{
    for (std::size_t i = 0; i < SwitchKeys.size(); ++i)
        if (key == SwitchKeys[i])
            return static_cast<int>(i) + 1;
    return 0;
}

base::Variant AccountOptionProfile::valueOf(const forms::OptionRow &row)
{
    const auto number = base::parseNumber(row.value).value_or(0);
    switch (row.kind) {
    case forms::OptionKind::Check:
    case forms::OptionKind::WholeNumber:
    case forms::OptionKind::List:
        return static_cast<int32_t>(std::lround(number));
    case forms::OptionKind::Switch:
        return number != 0;
    case forms::OptionKind::Decimal:
        return number;
    default:
        return row.value;
    }
}

void AccountOptionProfile::setPageCode(int32_t pageCode)
{
    m_pageCode = pageCode;
    m_pendingKey.clear();
    m_sheet.rows.clear();
    m_categories.clear();
    m_sheet.currentRow = -1;
    m_sheet.title.clear();
    for (const auto &[code, title] : PageTitles)
        if (code == m_pageCode)
            m_sheet.title = TranslateText(title);
}

void AccountOptionProfile::ShowPage()
{
    setPageCode(m_pageCode);
    m_sheet.visible = true;
    loadRows();
    if (!m_sheet.rows.empty())
        m_sheet.currentRow = 0;
}

void AccountOptionProfile::loadRows()
{
    const auto caption = component::LanguageColumn("FCaption");
    const std::string sql = "SELECT d.FKey, d.FCategory, d.FType, d.FList, d.FMin, d.FMax, "
                            "ISNULL(d." +
                            caption + ", d.FCaption) AS FCaptionText, " + pageValuesSql() +
                            " ORDER BY d.FIndex, d.FKey";
    auto rows = connection().Execute(sql);
    for (; rows && !rows->isEOF(); rows->MoveNext()) {
        m_categories[text(*rows, "FKey")] = text(*rows, "FCategory");
        m_sheet.rows.push_back(rowOf(*rows));
    }
}

// The stored values of the page's options as FValueText, from FROM on: the user's own
// value on the alarm page, else the account's, else the definition's default.
std::string AccountOptionProfile::pageValuesSql() const
{
    if (alarmPage())
        return "ISNULL(u.FValue, ISNULL(p.FValue, d.FValue)) AS FValueText "
               "FROM icsystemprofile d "
               "LEFT JOIN t_SystemProfile p ON p.FCategory = d.FCategory AND p.FKey = d.FKey "
               "LEFT JOIN QMUserOption u ON u.FKey = d.FKey AND u.FUserID = " +
               db::sqlNumber(m_alarmUser) + " WHERE d.FID = " + db::sqlNumber(AlarmGroup) +
               " AND d.FCategory = " + db::sqlQuote(m_alarmCategory);
    return "ISNULL(p.FValue, d.FValue) AS FValueText FROM icsystemprofile d "
           "LEFT JOIN t_SystemProfile p ON p.FCategory = d.FCategory AND p.FKey = d.FKey "
           "WHERE d.FID = " +
           db::sqlNumber(groupOfPage(m_pageCode));
}

// The value a row of the kind shows for stored text: trimmed; a missing number or check
// shows 0.
std::string AccountOptionProfile::shownValue(const std::string &stored, forms::OptionKind kind)
{
    const auto value = base::trim(stored);
    if (value.empty() && kind != forms::OptionKind::Text && kind != forms::OptionKind::Button)
        return "0";
    return value;
}

forms::OptionRow AccountOptionProfile::rowOf(db::Recordset &definitions)
{
    forms::OptionRow row;
    row.key = text(definitions, "FKey");
    row.caption = text(definitions, "FCaptionText");
    row.kind = kindOf(definitions.Fields("FType").Value().toLong());
    row.value = shownValue(text(definitions, "FValueText"), row.kind);
    row.listItems = listItems(text(definitions, "FList"));
    row.minimum = limit(definitions, "FMin");
    row.maximum = limit(definitions, "FMax");
    if (row.kind == forms::OptionKind::Text)
        row.maxLength = 40;
    return row;
}

void AccountOptionProfile::setPendingEdit(std::string key, std::string text)
{
    m_pendingKey = std::move(key);
    m_pendingText = std::move(text);
}

void AccountOptionProfile::LeavePage()
{
    if (m_pendingKey.empty())
        return;
    const auto key = std::exchange(m_pendingKey, {});
    ChangeOption(key, std::exchange(m_pendingText, {}));
}

bool AccountOptionProfile::ChangeOption(const std::string &key, const std::string &typed)
{
    auto *row = m_sheet.row(key);
    if (!row) {
        warn(component::FormatText("当前页没有选项%1。", key));
        return false;
    }
    std::string reason;
    std::string argument;
    const auto accepted = forms::acceptValue(*row, typed, reason, argument);
    if (!accepted) {
        warn(component::FormatText(reason, row->caption, argument));
        return false;
    }
    if (row->kind == forms::OptionKind::Button)
        return reportErrors([&] { raiseButton(*row); });
    auto proposed = *row;
    proposed.value = *accepted;
    return offer(proposed, valueOf(proposed));
}

bool AccountOptionProfile::offer(const forms::OptionRow &proposed, const base::Variant &value)
{
    // The reactions to the value, the store and what the store rewrites are one change
    // of the account: saved together or not at all. A failure shows the stored value
    // again.
    auto &account = connection();
    account.BeginTrans();
    bool saved = false;
    try {
        saved = offerWithinChange(proposed, value) &&
                reportErrors([&account] { account.CommitTrans(); });
    } catch (...) {
        account.RollbackTrans();
        throw;
    }
    if (!saved) {
        account.RollbackTrans();
        if (m_storeAttempted)
            reloadPage();
    }
    return saved;
}

bool AccountOptionProfile::offerWithinChange(const forms::OptionRow &proposed,
                                             const base::Variant &value)
{
    // An error of the window's checks keeps the old value; an error of the store or of
    // what it rewrites undoes the whole change. Either way the user sees it.
    bool cancel = false;
    m_storeAttempted = false;
    if (const auto *shown = m_sheet.row(proposed.key); shown && !storedAsShown(*shown)) {
        m_storeAttempted = true; // show the page as it is stored now
        return false;
    }
    TemplateRewrite rewrite(connection());
    m_proposedKey = proposed.key;
    m_proposedValue = value;
    const bool checked = !m_events.OptionChanging || reportErrors([&] {
        m_events.OptionChanging(proposed.key, value, cancel);
    });
    m_proposedKey.clear();
    if (!checked || cancel)
        return false;
    if (auto *row = m_sheet.row(proposed.key))
        row->value = proposed.value;
    if (m_events.OptionChanged)
        reportErrors([&] { m_events.OptionChanged(proposed.key, value); });
    m_storeAttempted = true;
    if (!reportErrors([&] { storeValue(proposed); }))
        return false;
    if (m_events.OptionCommitted &&
        !reportErrors([&] { m_events.OptionCommitted(proposed.key, value); }))
        return false;
    if (const int position = switchPosition(proposed.key);
        position && m_events.OptionSwitched &&
        !reportErrors([&] { m_events.OptionSwitched(position, value.toDouble() != 0); }))
        return false;
    return reportErrors([&] { rewrite.record(proposed.key); });
}

bool AccountOptionProfile::reportErrors(const std::function<void()> &step)
{
    try {
        step();
        return true;
    } catch (const base::Error &error) {
        warn(component::userErrorText(error));
        return false;
    }
}

void AccountOptionProfile::reloadPage()
{
    const auto current = m_sheet.currentRow;
    ShowPage();
    m_sheet.currentRow = current;
}

// Whether the option is stored with the value the page shows; when someone else changed
// it since the page was read, says so.
bool AccountOptionProfile::storedAsShown(const forms::OptionRow &shown)
{
    auto rows = connection().Execute("SELECT " + pageValuesSql() +
                                     " AND d.FKey = " + db::sqlQuote(shown.key));
    if (!rows || rows->isEOF())
        return true;
    const auto stored = shownValue(text(*rows, "FValueText"), shown.kind);
    if (stored == shown.value)
        return true;
    warn(component::FormatText("选项“%1”已被其他用户改为“%2”，本次修改未保存，请重新设置。",
                               shown.caption, stored));
    return false;
}

void AccountOptionProfile::storeValue(const forms::OptionRow &row)
{
    const auto key = db::sqlQuote(row.key);
    const auto value = db::sqlQuote(row.value);
    if (alarmPage()) {
        const auto user = db::sqlNumber(m_alarmUser);
        connection().Execute("IF EXISTS (SELECT 1 FROM QMUserOption WHERE FUserID = " + user +
                             " AND FKey = " + key + ")\r\n UPDATE QMUserOption SET FValue = " +
                             value + " WHERE FUserID = " + user + " AND FKey = " + key +
                             "\r\nELSE\r\n INSERT INTO QMUserOption (FUserID, FKey, FValue) "
                             "VALUES (" +
                             user + ", " + key + ", " + value + ")");
        return;
    }
    const auto category = db::sqlQuote(m_categories[row.key]);
    connection().Execute("IF EXISTS (SELECT 1 FROM t_SystemProfile WHERE FCategory = " + category +
                         " AND FKey = " + key + ")\r\n UPDATE t_SystemProfile SET FValue = " +
                         value + " WHERE FCategory = " + category + " AND FKey = " + key +
                         "\r\nELSE\r\n INSERT INTO t_SystemProfile (FCategory, FKey, FValue, "
                         "FReadonly, FLevel) VALUES (" +
                         category + ", " + key + ", " + value + ", 0, 1)");
}

void AccountOptionProfile::raiseButton(const forms::OptionRow &row)
{
    if (row.key == BomOptionKey) {
        if (m_events.BomOptionRequest)
            m_events.BomOptionRequest();
        return;
    }
    auto request = std::make_shared<base::Dictionary>();
    request->set("Category", m_categories[row.key]);
    request->set("Key", row.key);
    if (m_events.ShortageWarningRequest)
        m_events.ShortageWarningRequest(request);
}

void AccountOptionProfile::PrintPage(int32_t &mode)
{
    forms::PrintDocument document;
    document.title = m_sheet.title;
    document.headings = {TranslateText("选项"), TranslateText("值")};
    for (const auto &row : m_sheet.rows)
        if (row.kind != forms::OptionKind::Button)
            document.rows.push_back({row.caption, forms::displayValue(row)});
    forms::printer().print(document,
                           mode == 0 ? forms::PrintMode::Preview : forms::PrintMode::Print);
}

base::Variant AccountOptionProfile::OptionValue(const std::string &key)
{
    if (!m_proposedKey.empty() && base::equalsNoCase(key, m_proposedKey))
        return m_proposedValue;
    if (const auto *row = m_sheet.row(key))
        return valueOf(*row);
    auto rows = connection().Execute(
        "SELECT ISNULL(p.FValue, d.FValue) AS FValueText, d.FType FROM icsystemprofile d "
        "LEFT JOIN t_SystemProfile p ON p.FCategory = d.FCategory AND p.FKey = d.FKey "
        "WHERE d.FKey = " +
        db::sqlQuote(key) + " ORDER BY d.FID");
    if (!rows || rows->isEOF())
        return {};
    forms::OptionRow row;
    row.kind = kindOf(rows->Fields("FType").Value().toLong());
    row.value = base::trim(text(*rows, "FValueText"));
    return valueOf(row);
}

} // namespace orvan::suite
