#include "billcode/BillCodeRuleGrid.h"

#include "base/Convert.h"
#include "base/Gbk.h"
#include "base/Text.h"

#include <algorithm>

#include "billcode/ClassBillInfo.h"
#include "billcode/RuleColumns.h"
#include "component/Translation.h"
#include "forms/Messages.h"

namespace orvan::billcode {
namespace {

constexpr const char *NegativeSerialStart = "第%1行流水号起始值必须是不小于0的整数!";

using forms::CellType;

struct ColumnSpec
{
    const char *caption;
    int widthChars;
};

// Captions and widths (in characters) of columns 0 to 9.
constexpr ColumnSpec Columns[] = {{component::TextKey("级次"), 4},
                                  {component::TextKey("项目"), 8},
                                  {component::TextKey("格式"), 8},
                                  {component::TextKey("长度"), 4},
                                  {component::TextKey("补位符"), 6},
                                  {component::TextKey("替代符"), 6},
                                  {"FProjectID", 6},
                                  {"FFormatID", 6},
                                  {"FFieldName", 6},
                                  {component::TextKey("流水号依据"), 9}};

constexpr int TwipsPerChar = 120;
constexpr uint32_t NoBasisColor = 0xDDFFFF; // RGB(255,255,221)

std::string numberText(int32_t value)
{
    return std::to_string(value);
}

} // namespace

BillCodeRuleGrid::BillCodeRuleGrid()
{
    m_grid.onChange = [this](int col, int row) { textChanged(col, row); };
    m_grid.onLeaveCell = [this](int col, int row, int, int, bool &) { leaveCell(col, row); };
}

void BillCodeRuleGrid::setBill(int32_t billId)
{
    m_billId = billId;
    m_classBill = billId >= ClassBillFirstId;
    m_basisHidden = serialBasisHidden(billId);
}

void BillCodeRuleGrid::setUp()
{
    m_oldItemText.clear();
    m_oldFormatText.clear();
    setUpColumns();
    m_grid.setColumnHidden(RuleColumn::Basis, m_basisHidden);
    for (int row = 1; row <= MaxRuleRows; ++row)
        m_grid.cell(RuleColumn::Basis, row).locked = m_basisHidden;
    for (int col : {RuleColumn::Kind, RuleColumn::FormatId, RuleColumn::FieldName})
        m_grid.setColumnHidden(col, true);
    lockDataColumns();
    m_itemList.build(m_billId);
}

void BillCodeRuleGrid::setUpColumns()
{
    m_grid.setMaxCols(RuleColumn::Count);
    m_grid.setMaxRows(MaxRuleRows);
    for (int col = 0; col <= RuleColumn::Count; ++col) {
        m_grid.setText(col, 0, component::TranslateText(Columns[col].caption));
        m_grid.setColumnWidth(col, Columns[col].widthChars * TwipsPerChar);
    }
    m_grid.cell(RuleColumn::Level, 0).locked = true;
}

void BillCodeRuleGrid::lockDataColumns()
{
    for (int row = 1; row <= MaxRuleRows; ++row)
        setLocked(row, RuleColumn::Length, RuleColumn::FieldName, true);
}

void BillCodeRuleGrid::loadRule()
{
    const auto rule = readBillCodeRule(m_billId);
    for (int row = 1; row <= MaxRuleRows; ++row)
        emptyRow(row);
    int row = 0;
    for (const auto &level : rule) {
        if (++row > MaxRuleRows)
            break;
        fillRow(row, level);
    }
    m_ruleChanged = false;
}

void BillCodeRuleGrid::fillRow(int row, const EditorRuleRow &rule)
{
    const int32_t kind = rule.EProjectID;
    const bool basis =
        (kind == ItemKind::Date || kind >= ItemKind::FirstCheckItem) && rule.FIsBy == 1;
    m_grid.setText(RuleColumn::Level, row, numberText(rule.EClass));
    m_grid.setText(RuleColumn::Item, row, component::TranslateText(rule.EProject));
    m_grid.setText(RuleColumn::Format, row, rule.EFormat);
    m_grid.setText(RuleColumn::Length, row, numberText(rule.ELength));
    m_grid.setText(RuleColumn::AddChar, row, rule.EAddChar);
    m_grid.setText(RuleColumn::ReChar, row, rule.EReplaceChar);
    m_grid.setText(RuleColumn::Kind, row, numberText(kind));
    m_grid.setText(RuleColumn::FormatId, row, numberText(rule.EFormatID));
    m_grid.setText(RuleColumn::FieldName, row, rule.EFieldName);
    m_grid.setText(RuleColumn::Basis, row, basis ? "1" : "");
    if (kind == ItemKind::BillField) {
        m_grid.setText(RuleColumn::Item, row, m_itemList.entryOfKey(rule.EFieldName));
        m_grid.setText(RuleColumn::Format, row, rule.EFieldName);
        setLocked(row, RuleColumn::Format, RuleColumn::ReChar, true);
        return;
    }
    applyLocks(row, kind, rule.FItemID);
    applyCellTypes(row, kind, rule.FItemID);
}

void BillCodeRuleGrid::emptyRow(int row)
{
    for (int col = RuleColumn::Level; col <= RuleColumn::Count; ++col)
        m_grid.setText(col, row, "");
}

int32_t BillCodeRuleGrid::kindOf(int row) const
{
    return wholeNumberOf(m_grid.text(RuleColumn::Kind, row));
}

int32_t BillCodeRuleGrid::itemIdAt(int listIndex) const
{
    return billCodeCaches().checkItemId(std::to_string(m_billId),
                                        m_itemList.checkItemPosition(listIndex));
}

void BillCodeRuleGrid::markChanged()
{
    m_ruleChanged = true;
    if (onRuleChanged)
        onRuleChanged();
}

void BillCodeRuleGrid::setLocked(int row, int fromCol, int toCol, bool locked)
{
    for (int col = fromCol; col <= toCol; ++col)
        m_grid.cell(col, row).locked = locked;
}

void BillCodeRuleGrid::applyCellTypes(int row, int32_t kind, int32_t itemId)
{
    auto setText = [this, row](int maxLength) {
        auto &cell = m_grid.cell(RuleColumn::Format, row);
        cell.type = CellType::Edit;
        cell.maxLength = maxLength;
    };
    auto setNumber = [this, row](int maximum) {
        auto &cell = m_grid.cell(RuleColumn::Length, row);
        cell.type = CellType::Integer;
        cell.minimum = 0;
        cell.maximum = maximum;
    };
    auto &basis = m_grid.cell(RuleColumn::Basis, row);
    if (kind == ItemKind::FixedText) {
        setText(80);
        setNumber(80);
    } else if (kind == ItemKind::Date) {
        basis.type = CellType::CheckBox;
    } else if (kind == ItemKind::Serial) {
        setText(10);
        setNumber(10);
    } else if (kind >= ItemKind::FirstCheckItem) {
        setText(itemId == 0 ? 10 : 80);
        setNumber(80);
        if (itemId != 0)
            basis.type = CellType::CheckBox;
    }
    if (m_classBill && kind != ItemKind::Date)
        basis.type = CellType::Edit;
}

void BillCodeRuleGrid::applyLocks(int row, int32_t kind, int32_t itemId)
{
    const bool routeCard = m_billId == RouteCardBillId;
    setLocked(row, RuleColumn::Format, RuleColumn::ReChar, !routeCard);
    m_grid.cell(RuleColumn::Basis, row).locked = false;
    auto unlock = [this, row](std::initializer_list<int> cols) {
        for (int col : cols)
            m_grid.cell(col, row).locked = false;
    };
    auto &basis = m_grid.cell(RuleColumn::Basis, row);
    if (kind == ItemKind::None)
        return;
    if (kind == ItemKind::FixedText) {
        unlock({RuleColumn::Format, RuleColumn::AddChar, RuleColumn::ReChar});
        basis.locked = true;
    } else if (kind == ItemKind::Date) {
        unlock({RuleColumn::Format, RuleColumn::ReChar});
    } else if (kind == ItemKind::Serial) {
        unlock({RuleColumn::Format, RuleColumn::Length});
        basis.locked = true;
    } else if (itemId >= 1) {
        setLocked(row, RuleColumn::Format, RuleColumn::ReChar, false);
    } else if (routeCard) {
        setLocked(row, RuleColumn::Format, RuleColumn::ReChar, true);
    }
    if (m_basisHidden)
        basis.locked = true;
}

bool BillCodeRuleGrid::enterCell(int col, int row)
{
    if (!m_grid.setActiveCell(col, row))
        return false;
    const int32_t kind = kindOf(row);
    auto &cell = m_grid.cell(col, row);
    if (col == RuleColumn::Item) {
        m_oldItemText = cell.text;
        cell.type = CellType::ComboBox;
        cell.listItems = m_itemList.entries();
    } else if (col == RuleColumn::Format &&
               (kind == ItemKind::Date || kind == ItemKind::BaseData)) {
        m_oldFormatText = cell.text;
        cell.type = CellType::ComboBox;
        cell.listItems = kind == ItemKind::Date ? billCodeCaches().dateFormats()
                                                : billCodeCaches().baseDataFormats();
    } else if (col == RuleColumn::Basis) {
        enterBasisCell(row);
    }
    return true;
}

void BillCodeRuleGrid::enterBasisCell(int row)
{
    const int32_t kind = kindOf(row);
    auto &cell = m_grid.cell(RuleColumn::Basis, row);
    if (kind == ItemKind::Date || (kind >= ItemKind::FirstCheckItem && !m_classBill)) {
        cell.type = CellType::CheckBox;
        return;
    }
    cell.backColor = NoBasisColor;
    cell.locked = true;
}

void BillCodeRuleGrid::leaveCell(int col, int row)
{
    auto &cell = m_grid.cell(col, row);
    if (cell.type == CellType::ComboBox)
        cell.type = CellType::Edit;
}

bool BillCodeRuleGrid::chooseListItem(int col, int row, int index)
{
    if (col != RuleColumn::Item && col != RuleColumn::Format)
        return false;
    if (m_grid.cell(col, row).type != CellType::ComboBox)
        enterCell(col, row);
    const auto &cell = m_grid.cell(col, row);
    if (cell.type != CellType::ComboBox || cell.locked || index < 0 ||
        index >= static_cast<int>(cell.listItems.size()))
        return false;
    if (col == RuleColumn::Item) {
        m_oldItemText = cell.text;
        selectItem(row, index);
    } else {
        m_oldFormatText = cell.text;
        selectFormat(row, index);
    }
    markChanged();
    return true;
}

bool BillCodeRuleGrid::chooseListItemByText(int col, int row, const std::string &text)
{
    if (col == RuleColumn::Item)
        return chooseListItem(col, row, m_itemList.indexOfCaption(text));
    if (m_grid.cell(col, row).type != CellType::ComboBox)
        enterCell(col, row);
    const auto &items = m_grid.cell(col, row).listItems;
    for (size_t index = 0; index < items.size(); ++index)
        if (items[index] == text)
            return chooseListItem(col, row, static_cast<int>(index));
    return false;
}

void BillCodeRuleGrid::selectItem(int row, int index)
{
    const int32_t itemId = itemIdAt(index);
    applyCellTypes(row, index, itemId);
    applyLocks(row, index, itemId);
    if (index == ItemKind::Serial && hasOtherSerialRow(row)) {
        refuseSecondSerial(row);
        return;
    }
    const std::string entry = m_grid.cell(RuleColumn::Item, row).listItems[index];
    for (int col = RuleColumn::Format; col <= RuleColumn::Count; ++col)
        m_grid.setText(col, row, "");
    m_grid.setText(RuleColumn::Item, row, entry);
    if (index < ItemKind::FirstCheckItem) {
        m_grid.setText(RuleColumn::Kind, row, numberText(index));
    } else if (const std::string key = ItemList::keyPart(entry); key.empty()) {
        storeCheckItemSelection(row, index);
    } else {
        storeBillFieldSelection(row, key);
    }
    m_grid.setText(RuleColumn::FormatId, row, "0");
}

bool BillCodeRuleGrid::hasOtherSerialRow(int row) const
{
    for (int other = 1; other <= MaxRuleRows; ++other)
        if (other != row && kindOf(other) == ItemKind::Serial)
            return true;
    return false;
}

void BillCodeRuleGrid::refuseSecondSerial(int row)
{
    showNotice(component::TranslateText("已经设置了流水号项目，不能重复设置！"));
    m_grid.cell(RuleColumn::Item, row).type = CellType::Edit;
    for (int col = RuleColumn::Item; col <= RuleColumn::Count; ++col)
        m_grid.setText(col, row, "");
    m_oldItemText.clear();
    m_oldFormatText.clear();
}

void BillCodeRuleGrid::storeCheckItemSelection(int row, int index)
{
    if (m_billId != RouteCardBillId)
        setLocked(row, RuleColumn::Format, RuleColumn::ReChar, false);
    const auto *item =
        billCodeCaches().checkItem(std::to_string(m_billId), m_itemList.checkItemPosition(index));
    const bool baseData = item && item->FItemID != 0;
    m_grid.setText(RuleColumn::Kind, row,
                   numberText(baseData ? ItemKind::BaseData : ItemKind::PlainCheckItem));
    m_grid.setText(RuleColumn::FieldName, row, item ? item->FField : std::string());
}

void BillCodeRuleGrid::storeBillFieldSelection(int row, const std::string &key)
{
    m_grid.setText(RuleColumn::Kind, row, numberText(ItemKind::BillField));
    m_grid.setText(RuleColumn::FieldName, row, key);
    auto &format = m_grid.cell(RuleColumn::Format, row);
    format.type = CellType::Static;
    format.text = key;
    setLocked(row, RuleColumn::Length, RuleColumn::ReChar, true);
}

void BillCodeRuleGrid::selectFormat(int row, int index)
{
    const std::string selected = m_grid.cell(RuleColumn::Format, row).listItems[index];
    m_grid.setText(RuleColumn::Format, row, selected);
    if (kindOf(row) == ItemKind::Date)
        m_grid.setText(RuleColumn::Length, row, numberText(int32_t(base::charCount(selected))));
    if (selected != m_oldFormatText)
        m_grid.setText(RuleColumn::FormatId, row, numberText(index));
}

bool BillCodeRuleGrid::typeText(int col, int row, const std::string &text)
{
    if (m_grid.cell(col, row).type == CellType::ComboBox)
        return false;
    if (col == RuleColumn::Format && kindOf(row) == ItemKind::Serial && !isSerialStart(text)) {
        showNotice(component::FormatText(NegativeSerialStart, row));
        return false;
    }
    return m_grid.typeText(col, row, text);
}

// A serial counts up from a whole number of 0 or more ("0001" included).
bool BillCodeRuleGrid::isSerialStart(const std::string &text)
{
    const auto trimmed = base::trim(text);
    return std::all_of(trimmed.begin(), trimmed.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void BillCodeRuleGrid::textChanged(int col, int row)
{
    markChanged();
    const int32_t kind = kindOf(row);
    std::string format = m_grid.text(RuleColumn::Format, row);
    if (kind == ItemKind::FixedText && !format.empty() &&
        (format.back() == '|' || format.back() == '$' || format.back() == '\'')) {
        format.pop_back();
        m_grid.setText(RuleColumn::Format, row, format);
        return;
    }
    const auto bytes = static_cast<int32_t>(base::ansiByteLength(format));
    if (col == RuleColumn::Format)
        m_grid.setText(RuleColumn::Length, row, numberText(bytes));
    if (kind != ItemKind::BaseData && col == RuleColumn::Length &&
        wholeNumberOf(m_grid.text(RuleColumn::Length, row)) < bytes)
        m_grid.setText(RuleColumn::Length, row, numberText(bytes));
}

bool BillCodeRuleGrid::clickBasisBox(int row)
{
    auto &cell = m_grid.cell(RuleColumn::Basis, row);
    if (cell.type != CellType::CheckBox)
        enterCell(RuleColumn::Basis, row);
    if (cell.type != CellType::CheckBox || cell.locked)
        return false;
    const bool ticked = forms::isCheckedText(cell.text);
    cell.text = ticked ? "0" : "1";
    if (!ticked)
        clearOtherBasisBoxes(row);
    markChanged();
    return true;
}

void BillCodeRuleGrid::clearOtherBasisBoxes(int row)
{
    for (int other = 1; other <= MaxRuleRows; ++other) {
        if (other == row)
            continue;
        auto &cell = m_grid.cell(RuleColumn::Basis, other);
        const int32_t kind = kindOf(other);
        if (cell.type == CellType::CheckBox &&
            (kind == ItemKind::Date || kind >= ItemKind::FirstCheckItem) &&
            forms::isCheckedText(cell.text))
            cell.text = "0";
    }
}

void BillCodeRuleGrid::showNotice(const std::string &text) const
{
    forms::showMessage(component::messageTitle(), text);
}

} // namespace orvan::billcode
