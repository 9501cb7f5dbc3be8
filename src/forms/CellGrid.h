#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvan::forms {

// Cell kinds of the spreadsheet-like grids (property grid, rule grid).
enum class CellType {
    Edit,
    Static,
    CheckBox,
    ComboBox,
    Date,
    Integer,
    Float,
    Button,
};

struct GridCell
{
    std::string text;
    CellType type = CellType::Edit;
    bool locked = false;
    uint32_t backColor = 0xFFFFFF;
    uint32_t foreColor = 0x000000;
    int maxLength = 0;                  // 0: no limit
    std::vector<std::string> listItems; // combo box entries
    double minimum = 0;                 // integer and float cells
    double maximum = 0;                 // maximum <= minimum: no limit
    int decimals = 0;                   // float cells
};

// Whether the text of a check box cell means ticked: "1", blanks around it ignored. The
// grids write "1" and "0" (the rule grid also ""); every other text reads as cleared.
bool isCheckedText(std::string_view text);

// A grid of typed cells addressed (column, row), both 1-based, as the property grid of
// the editor and the numbering-rule grid use it. Row 0 and column 0 hold the headings.
class CellGrid
{
public:
    int maxRows() const { return m_maxRows; }
    int maxCols() const { return m_maxCols; }
    void setMaxRows(int rows);
    void setMaxCols(int cols);

    // The cell; cells outside the grid raise base::Error.
    GridCell &cell(int col, int row);
    const GridCell &cell(int col, int row) const;
    const std::string &text(int col, int row) const { return cell(col, row).text; }
    // Sets the text as the program does (no change notification).
    void setText(int col, int row, std::string text);
    // Sets the text as the user does: refused for locked cells, for an integer cell's text
    // that is no whole number within its range, and past the maximum
    // length; raises onChange. Returns whether the text was taken.
    bool typeText(int col, int row, std::string text);

    void clearRow(int row);
    void clearAll();

    bool columnHidden(int col) const;
    void setColumnHidden(int col, bool hidden);
    bool rowHidden(int row) const;
    void setRowHidden(int row, bool hidden);
    int columnWidth(int col) const;
    void setColumnWidth(int col, int twips) { m_columnWidths[col] = twips; }

    int activeCol() const { return m_activeCol; }
    int activeRow() const { return m_activeRow; }
    // Moves the active cell, raising onLeaveCell first; a handler may cancel the move.
    bool setActiveCell(int col, int row);

    // Called after the user changed a cell's text.
    std::function<void(int col, int row)> onChange;
    // Called before the active cell moves; set cancel to keep it where it is.
    std::function<void(int col, int row, int newCol, int newRow, bool &cancel)> onLeaveCell;

private:
    void requireInside(int col, int row) const;
    static bool isWholeNumberWithin(const GridCell &cell, const std::string &text);

    int m_maxRows = 0;
    int m_maxCols = 0;
    std::map<std::pair<int, int>, GridCell> m_cells;
    std::map<int, bool> m_hiddenColumns;
    std::map<int, bool> m_hiddenRows;
    std::map<int, int> m_columnWidths;
    int m_activeCol = 1;
    int m_activeRow = 1;
};

} // namespace orvan::forms
