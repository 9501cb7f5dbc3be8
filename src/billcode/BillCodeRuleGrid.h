#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "billcode/BillCodeCaches.h"
#include "billcode/EditorRuleRow.h"
#include "billcode/ItemList.h"
#include "billcode/RuleRecord.h"
#include "forms/CellGrid.h"

namespace orvan::billcode {

// The numbering-rule grid of the bill-numbering page: one row per level,
// columns as in RuleColumn. It owns the cell grid a view paints and takes the user's
// actions; message boxes go through forms::messages().
//
// Order of use: setBill (per record), setUp, loadRule; then the user actions; before a
// save checkTotalLength and checkRows, then save.
class BillCodeRuleGrid
{
public:
    BillCodeRuleGrid();

    forms::CellGrid &grid() { return m_grid; }
    const forms::CellGrid &grid() const { return m_grid; }
    const ItemList &itemList() const { return m_itemList; }

    // The bill whose rule is shown; computes the class-bill and basis-hidden flags.
    void setBill(int32_t billId);
    int32_t billId() const { return m_billId; }
    bool isClassBill() const { return m_classBill; }
    bool basisHidden() const { return m_basisHidden; }

    // Columns, captions, widths, hidden columns, locks and the item list.
    void setUp();
    // Empties the rows and shows the stored rule of the bill.
    void loadRule();

    // User actions. Each returns whether it took effect.
    bool enterCell(int col, int row);
    void leaveCell(int col, int row);
    // Chooses the entry at a list index in column 1 (item) or 2 (format).
    bool chooseListItem(int col, int row, int index);
    // The same by the entry's text (an item by its caption).
    bool chooseListItemByText(int col, int row, const std::string &text);
    bool typeText(int col, int row, const std::string &text);
    // Ticks or clears the serial-number basis box of a row.
    bool clickBasisBox(int row);

    // The checks before a save; both pass at once when the rule is not in use. A
    // failure is shown to the user.
    bool checkTotalLength(bool useRule) const;
    bool checkRows(bool useRule) const;

    RuleGridContent content() const { return collectRuleRows(m_grid, m_itemList); }
    component::BillCodeRuleRecord buildRecord(const BillOptions &options) const;
    // Stores the rule and the options; on success the bill's cached options are replaced
    // (keeping the bill's name). False when the component refused or failed.
    bool save(const BillOptions &options);
    // Why the last save failed when the account itself refused it ("" otherwise).
    const std::string &saveFailure() const { return m_saveFailure; }

    // Edits made since the last load or clearRuleChanged.
    bool ruleChanged() const { return m_ruleChanged; }
    void clearRuleChanged() { m_ruleChanged = false; }
    std::function<void()> onRuleChanged;

    // One line per non-empty level: "level: col1 | col2 | ... | col9".
    std::vector<std::string> dumpRules() const;

private:
    static bool isSerialStart(const std::string &text);
    int32_t kindOf(int row) const;
    int32_t itemIdAt(int listIndex) const;
    void markChanged();
    void setUpColumns();
    void lockDataColumns();
    void fillRow(int row, const EditorRuleRow &rule);
    void emptyRow(int row);
    void applyCellTypes(int row, int32_t kind, int32_t itemId);
    void applyLocks(int row, int32_t kind, int32_t itemId);
    void setLocked(int row, int fromCol, int toCol, bool locked);
    void enterBasisCell(int row);
    void selectItem(int row, int index);
    bool hasOtherSerialRow(int row) const;
    void refuseSecondSerial(int row);
    void storeCheckItemSelection(int row, int index);
    void storeBillFieldSelection(int row, const std::string &key);
    void selectFormat(int row, int index);
    void textChanged(int col, int row);
    void clearOtherBasisBoxes(int row);
    void showNotice(const std::string &text) const;

    forms::CellGrid m_grid;
    ItemList m_itemList;
    std::string m_saveFailure;
    int32_t m_billId = 0;
    bool m_classBill = false;
    bool m_basisHidden = false;
    std::string m_oldItemText;
    std::string m_oldFormatText;
    bool m_ruleChanged = false;
};

} // namespace orvan::billcode
