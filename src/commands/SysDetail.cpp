#include "commands/SysDetail.h"

#include <algorithm>

#include "base/Convert.h"
#include "base/Error.h"
#include "base/Text.h"
#include "component/LoginContext.h"
#include "component/ProcessState.h"
#include "component/Translation.h"
#include "db/SqlText.h"
#include "forms/LedgerGrid.h"
#include "params/NodeTable.h"
#include "params/ProfileCaption.h"
#include "params/ProfileStore.h"

namespace orvan::commands {

namespace NodeKey = params::NodeKey;
namespace {

using component::TextKey;
using component::TranslateText;

bool isNumericType(int type)
{
    return type == 3 || type == 4 || type == 5 || type == 6 || type == 131;
}

DetailColumn column(const char *field, const char *title = "")
{
    return {field, *title ? TranslateText(title) : std::string(), 0};
}

std::vector<DetailColumn> billSettingColumns()
{
    return {column("FItemID"),
            column("FItemID"),
            column("FBillName", TextKey("单据类型")),
            column("FDesc", TextKey("编码格式")),
            column("FCanAlterBillNo", TextKey("允许手工录入")),
            column("FCheckAfterSave", TextKey("单据保存时自动审核")),
            column("FUseBillCodeRule", TextKey("使用编码规则")),
            column("FSingleApproval", TextKey("审核人与制单人可为同一人")),
            column("FSingleUnApproval", TextKey("反审核人与审核人为同一人")),
            column("FEditSelfBill", TextKey("只能修改、删除、作废本人录入的单据"))};
}

std::vector<DetailColumn> printControlColumns()
{
    return {column("FID"),
            column("FID"),
            column("FName", TextKey("表单类型")),
            column("FPrintControlOrNo", TextKey("控制打印次数")),
            column("FPrintMaxCount", TextKey("最大打印次数")),
            column("FPrintAfterCheck", TextKey("审核后才允许打印"))};
}

std::vector<DetailColumn> billTypeColumns()
{
    return {column(""),
            column("FID"),
            column("FNumber", TextKey("代码")),
            column("FName", TextKey("名称")),
            column("FAcctNumber", TextKey("科目代码")),
            column("FNote", TextKey("备注"))};
}

std::vector<DetailColumn> keyValueColumns()
{
    return {column("FKey", TextKey("系统设置名称")), column("FValue", TextKey("设置值"))};
}

const char *parameterTitle(int32_t kind, int32_t tag)
{
    if (kind == 2)
        return TextKey("计划参数");
    if (tag == 2 || tag == 22 || tag == 201 || tag == 2201)
        return TextKey("当前状态");
    return TextKey("账套参数");
}

std::vector<DetailColumn> parameterColumns(int32_t kind, int32_t tag)
{
    if (kind == 1 && (tag == 202 || tag == 2202)) // the period calendar: period, start date
        return {column("FBrNo", TextKey("机构代码")), column("Fcategory", TextKey("类别")),
                column("FKey", TextKey("期间")), column("FValue", TextKey("开始日期"))};
    return {column("FBrNo", TextKey("机构代码")), column("Fcategory", TextKey("类别")),
            column("FKey", parameterTitle(kind, tag)), column("FValue", TextKey("参数值"))};
}

bool isLicensedEdition()
{
    return component::isLicensedEdition(component::LoginEdition());
}

// Whether the node's detail kind and tag have a column set of their own; other nodes keep
// the columns shown before.
bool hasColumnSet(int32_t kind, int32_t tag)
{
    if (kind == 0)
        return tag == 0 || tag == 1 || tag == 2 || tag == 4 || tag == 9 || tag == 11 || tag == 12 ||
               tag == 14 || (tag == 17 && !isLicensedEdition());
    return kind == 1 || kind == 2;
}

// The columns of a kind and tag that hasColumnSet accepts.
std::vector<DetailColumn> columnSetOf(int32_t kind, int32_t tag)
{
    if (kind == 0 && (tag == 2 || tag == 12))
        return billSettingColumns();
    if (kind == 0 && (tag == 4 || tag == 14))
        return printControlColumns();
    if (kind == 0 && tag == 9)
        return billTypeColumns();
    if (kind == 0 && tag == 0)
        return {column("FName", TextKey("名称")), column("FNumber", TextKey("代码"))};
    if (kind == 0)
        return keyValueColumns();
    if (kind == 1 && (tag == 3 || tag == 23))
        return {column("FName", TextKey("凭证字"))}; // voucher groups: their names
    return parameterColumns(kind, tag);
}

bool showsFooterRow()
{
    const auto &key = component::processState().currentNodeKey;
    return key == NodeKey::PeriodState || key == NodeKey::PlanningParameters;
}

// The captions of the class bills' fields in the login's language, by the caption the
// account stores them under (empty for the account's own language).
std::map<std::string, std::string> fieldCaptionsInLoginLanguage()
{
    std::map<std::string, std::string> captions;
    const auto column = component::LanguageColumn("FCaption");
    if (column == "FCaption")
        return captions;
    base::tryStep([&] {
        auto rows = params::executeOnAccount("SELECT DISTINCT FCaption_CHS, " + column +
                                             " AS FShown FROM ICClassTableInfo WHERE FPage=1");
        for (; rows && !rows->isEOF(); rows->MoveNext()) {
            const auto shown = rows->Fields("FShown").Value().text();
            if (!base::trim(shown).empty())
                captions.emplace(rows->Fields("FCaption_CHS").Value().text(), shown);
        }
    });
    return captions;
}

} // namespace

bool SysDetail::isPresetBillType(const std::string &id)
{
    if (!m_presetBillTypes) {
        m_presetBillTypes.emplace();
        base::tryStep([this] {
            auto rows = params::executeOnAccount("SELECT FID FROM ICBillType WHERE FSystemic=1");
            for (; rows && !rows->isEOF(); rows->MoveNext())
                m_presetBillTypes->insert(rows->Fields("FID").Value().text());
        });
    }
    return m_presetBillTypes->contains(id);
}

// A bill's number picture ("WIN+日期+0001") with the item captions in the login's
// language; fixed texts and serials are shown as they are.
std::string SysDetail::shownPicture(const std::string &picture)
{
    if (picture.empty())
        return picture;
    if (!m_fieldCaptions)
        m_fieldCaptions = fieldCaptionsInLoginLanguage();
    std::string shown;
    bool first = true;
    for (const auto &piece : base::splitAll(picture, "+")) {
        const auto field = m_fieldCaptions->find(piece);
        const auto translated =
            field != m_fieldCaptions->end() ? field->second : TranslateText(piece);
        shown += (first ? "" : "+") + (translated == base::trim(piece) ? piece : translated);
        first = false;
    }
    return shown;
}

namespace {

// The base currency by its code ("RMB") rather than its id; the id when no currency has it.
std::string currencyCode(const std::string &id)
{
    std::optional<std::string> code;
    base::tryStep([&] {
        code = params::firstFieldText("SELECT FNumber FROM t_Currency WHERE FCurrencyID=" +
                                          db::sqlNumber(base::textToLong(id)),
                                      "FNumber");
    });
    return code.value_or(id);
}

} // namespace

void SysDetail::GetTitleInfo(int32_t kind, int32_t tag)
{
    if (hasColumnSet(kind, tag))
        useColumnSet({kind, tag});
    if (kind == 1 && m_grid)
        m_grid->setColumnCount(std::max(m_grid->columnCount(), 4));
}

// Column sets are built, their titles translated, once per list and language: a node shown
// again takes back the set it had.
void SysDetail::useColumnSet(ColumnSetKey key)
{
    auto &sets = m_columnSets[component::LoginLanguage()]; // titles differ by language
    auto set = sets.find(key);
    if (set == sets.end())
        set = sets.emplace(key, columnSetOf(key.first, key.second)).first;
    for (auto &entry : set->second)
        entry.dataType = 0;
    m_shownColumns = &set->second;
}

std::vector<DetailColumn> &SysDetail::shownColumns()
{
    return m_shownColumns ? *m_shownColumns : m_noColumns;
}

void SysDetail::clearColumns()
{
    m_shownColumns = nullptr;
    m_rows.reset();
}

void SysDetail::TakeJournalData(const std::string &sql, db::RecordsetPtr rows, long &count)
{
    m_rows = rows ? std::move(rows) : params::executeOnAccount(sql);
    m_fieldCaptions.reset(); // read again, in the login's language, when a picture asks
    m_presetBillTypes.reset();
    count = m_rows ? m_rows->RecordCount() : 0;
    auto &columns = shownColumns();
    for (auto &entry : columns)
        entry.dataType = 0;
    const int fields = m_rows ? m_rows->fieldCount() : 0;
    for (int i = 0; i < fields; ++i) { // a name given twice: its last field's type
        const auto &name = m_rows->fieldName(i);
        for (auto &entry : columns) {
            if (base::equalsNoCase(name, entry.field))
                entry.dataType = m_rows->fieldType(i);
        }
    }
    if (m_grid) {
        m_grid->setColumnCount(static_cast<int>(columns.size()));
        m_grid->setRowCount(static_cast<int>(count) + (showsFooterRow() ? 2 : 1));
        m_grid->setColumnSwitch(1, ColumnSwitchFixed, true);
        m_grid->setColumnSwitch(2, ColumnSwitchFixed, true);
    }
    m_selection.clear();
}

void SysDetail::TRowData(int32_t which, std::string &text)
{
    text.clear();
    const auto &columns = shownColumns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (which != 1) {
            text += " |";
            continue;
        }
        text += columns[i].title + "|";
        // Every column is aligned anew: the previous node's alignment is not this one's.
        if (m_grid)
            m_grid->setColumnAlign(static_cast<int>(i) + 1,
                                   isNumericType(columns[i].dataType) ? 1 : 0);
    }
}

void SysDetail::moveToGridRow(int32_t row)
{
    m_rows->MoveFirst();
    long offset = row - 2;
    if (component::processState().currentNodeKey == NodeKey::SystemSettings)
        offset += row == 2 ? 1 : (row == 3 ? -1 : 0);
    m_rows->Move(offset);
    if (m_rows->isEOF())
        m_rows->MoveLast();
    else if (m_rows->isBOF())
        m_rows->MoveFirst();
}

std::string SysDetail::cellText(const DetailColumn &entry)
{
    if (entry.field.empty())
        return {};
    const auto value = m_rows->Fields(entry.field).Value();
    if (entry.field == "FKey") {
        std::string display;
        return params::ProfileCaption(value.text(), m_rows->Fields("FValue").Value(), display);
    }
    if (entry.field == "FValue" && !m_rows->Fields("FKey").Value().isNull()) {
        const auto key = m_rows->Fields("FKey").Value().text();
        if (key == "FBWB")
            return currencyCode(value.text());
        std::string display;
        params::ProfileCaption(key, value, display);
        return display;
    }
    if (entry.field == "FBillName")
        return TranslateText(value.text());
    if (entry.field == "FDesc")
        return shownPicture(value.text());
    // The preset bill types and their note are the system's texts, shown in the login's
    // language; a user's are shown as typed.
    if ((entry.field == "FName" || entry.field == "FNote") &&
        component::processState().currentNodeKey == NodeKey::BillTypes &&
        isPresetBillType(m_rows->Fields("FID").Value().text()))
        return TranslateText(value.text());
    if (entry.field == "FPrintControlOrNo" &&
        component::processState().currentNodeKey == NodeKey::PrintControl)
        return TranslateText(!value.isNull() && value.toBool() ? "控制" : "不控制");
    return value.text();
}

void SysDetail::DRowData(int32_t row, std::string &text)
{
    text.clear();
    const bool haveRows = m_rows && m_rows->RecordCount() > 0;
    if (haveRows)
        base::tryStep([this, row] { moveToGridRow(row); });
    for (const auto &entry : shownColumns()) {
        std::string cell;
        if (haveRows)
            base::tryStep([&] { cell = cellText(entry); });
        text += cell + "|";
    }
    if (m_grid && m_selection.empty())
        m_grid->setRowColor(row, forms::ColorWhite);
}

void SysDetail::TakeSelection(bool flag, int32_t row)
{
    if (!flag || !m_grid)
        return;
    for (const auto &[text, selectedRow] : m_selection) {
        if (selectedRow > 0 && selectedRow <= m_grid->rowCount()) {
            m_grid->setRowColor(selectedRow, forms::ColorWhite);
            m_grid->refresh();
        }
    }
    m_selection.clear();
    m_grid->setCurrentColumn(2);
    m_grid->setCurrentRow(row);
    // The current cell's text is read before the highlight: asking the grid for a row's
    // text paints it white while nothing is selected.
    const auto cells = m_grid->rowText(row);
    if (row > 0 && row <= m_grid->rowCount())
        m_grid->setRowColor(row, HighlightColor);
    m_selection[cells.size() > 1 ? cells[1] : std::string()] = row;
}

std::vector<std::string> SysDetail::cellsOf(const std::string &rowText)
{
    auto cells = base::splitAll(rowText, "|");
    if (!cells.empty() && cells.back().empty())
        cells.pop_back();
    return cells;
}

} // namespace orvan::commands
