#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace orvan::forms {

inline constexpr uint32_t ColorWhite = 0xFFFFFF;

// The list grid of the maintenance window. Row 1 is the heading; data rows start at 2.
// The grid keeps no texts of its own: it asks the row-text handler for a row's cells when
// a view paints it, so a list of any length costs only its row count.
class LedgerGrid
{
public:
    using RowTextHandler = std::function<std::vector<std::string>(int row)>;

    // Rows including the heading row; 0 when the grid is empty.
    int rowCount() const { return m_rowCount; }
    void setRowCount(int rows);
    int columnCount() const { return m_columnCount; }
    void setColumnCount(int columns);

    // The current row: 0 when none. Setting 2 selects the first data row.
    int currentRow() const { return m_currentRow; }
    void setCurrentRow(int row);
    // Selects a row (highlight and current row).
    void SelRow(int row) { setCurrentRow(row); }

    // Column widths in twips, 1-based; an unknown column is 0 wide.
    int columnWidth(int column) const;
    void setColumnWidth(int column, int twips);
    // Forgets the widths of the columns from `first` on: they fit their content again.
    void clearColumnWidths(int first);
    // The widths set from column `first` on, as "column:twips" pairs joined by ';'.
    std::string columnWidthsText(int first) const;
    // Sets the widths a columnWidthsText gave; pairs that are no numbers are skipped.
    void setColumnWidthsText(const std::string &text);

    // Column alignment (0 left, 1 right, 2 centre) and the column switch flags.
    int columnAlign(int column) const;
    void setColumnAlign(int column, int align) { m_columnAligns[column] = align; }
    bool columnSwitch(int column, int flag) const;
    void setColumnSwitch(int column, int flag, bool on);
    int currentColumn() const { return m_currentColumn; }
    void setCurrentColumn(int column) { m_currentColumn = column; }

    uint32_t backColor() const { return m_backColor; }
    void setBackColor(uint32_t color) { m_backColor = color; }
    // A row's own background colour, when it has one.
    void setRowColor(int row, uint32_t color) { m_rowColors[row] = color; }
    void clearRowColors() { m_rowColors.clear(); }
    uint32_t rowColor(int row) const;

    // The texts of a row's cells from the row-text handler (row 1: the headings).
    void setRowTextHandler(RowTextHandler handler) { m_rowText = std::move(handler); }
    std::vector<std::string> rowText(int row) const;

    // Which columns a person sees (index 0 is column 1): those with a heading that some
    // row fills. Ids kept in heading-less columns and columns no row fills stay out of
    // the view and the print; a list longer than ShownColumnsScanRows keeps every headed
    // column, since looking through it all would cost more than the column.
    static constexpr int ShownColumnsScanRows = 2000;
    std::vector<bool> shownColumns() const;

    // Clears rows, current row and colours (column widths stay).
    void clear();

    // Repaints views; the window calls it after loading.
    void refresh();
    int refreshCount() const { return m_refreshes; }
    void setRefreshHandler(std::function<void()> handler) { m_onRefresh = std::move(handler); }

    // User actions the views forward.
    std::function<void(int row)> onDoubleClick;
    std::function<void(int row)> onRightButtonUp;
    std::function<void(int row)> onRowChanged;

private:
    int m_rowCount = 0;
    int m_columnCount = 0;
    int m_currentRow = 0;
    uint32_t m_backColor = ColorWhite;
    std::map<int, int> m_columnWidths;
    std::map<int, int> m_columnAligns;
    std::map<int, int> m_columnSwitches;
    int m_currentColumn = 1;
    std::map<int, uint32_t> m_rowColors;
    RowTextHandler m_rowText;
    std::function<void()> m_onRefresh;
    int m_refreshes = 0;
};

} // namespace orvan::forms
