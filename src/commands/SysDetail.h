#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "db/Recordset.h"

namespace orvan::forms {
class LedgerGrid;
}

namespace orvan::commands {

// One column of the list: the recordset field it shows, its translated title and the
// field's data type code (numeric types are right-aligned).
struct DetailColumn
{
    std::string field;
    std::string title;
    int dataType = 0;
};

// What the maintenance window's list shows: the column set of the current node, the
// rows behind it, the heading and row texts the grid asks for, and the highlighted row.
// Row texts are the cells joined, each followed by "|". A missing field or a failed
// move leaves a cell empty rather than stopping the grid.
class SysDetail
{
public:
    static constexpr uint32_t HighlightColor = 0x9090E0; // RGB(224, 144, 144) as 0xBBGGRR
    static constexpr int ColumnSwitchFixed = 16;

    SysDetail() = default;
    // The list points into its own column sets: it is not copied or moved.
    SysDetail(const SysDetail &) = delete;
    SysDetail &operator=(const SysDetail &) = delete;

    void attachGrid(forms::LedgerGrid *grid) { m_grid = grid; }

    // Replaces the column set by that of the node's detail kind and tag.
    void GetTitleInfo(int32_t kind, int32_t tag);

    // Loads the rows of the query (or of the given recordset) into the grid's size;
    // count receives the number of records.
    void TakeJournalData(const std::string &sql, db::RecordsetPtr rows, long &count);

    // which = 1: the heading; anything else: a blank row.
    void TRowData(int32_t which, std::string &text);
    // The text of grid row `row` (data rows start at 2).
    void DRowData(int32_t row, std::string &text);
    // Highlights a row and clears the previous highlight (only when flag is true).
    void TakeSelection(bool flag, int32_t row);

    const std::vector<DetailColumn> &columns() const
    {
        return m_shownColumns ? *m_shownColumns : m_noColumns;
    }
    // Forgets the columns and rows: the list shows nothing.
    void clearColumns();
    db::RecordsetPtr recordset() const { return m_rows; }

    // The cells of a row text.
    static std::vector<std::string> cellsOf(const std::string &rowText);

private:
    using ColumnSetKey = std::pair<int32_t, int32_t>; // detail kind, tag

    void useColumnSet(ColumnSetKey key);
    std::vector<DetailColumn> &shownColumns();
    void moveToGridRow(int32_t row);
    std::string cellText(const DetailColumn &column);
    std::string shownPicture(const std::string &picture);
    bool isPresetBillType(const std::string &id);

    forms::LedgerGrid *m_grid = nullptr;
    db::RecordsetPtr m_rows;
    // The column sets built, by login language, kind and tag, and the one shown.
    std::map<std::string, std::map<ColumnSetKey, std::vector<DetailColumn>>> m_columnSets;
    std::vector<DetailColumn> *m_shownColumns = nullptr;
    std::vector<DetailColumn> m_noColumns;      // what the list shows before a set and after clear
    std::map<std::string, int32_t> m_selection; // row text -> row number
    std::optional<std::map<std::string, std::string>> m_fieldCaptions;
    std::optional<std::set<std::string>> m_presetBillTypes; // ids, read when first asked
};

} // namespace orvan::commands
