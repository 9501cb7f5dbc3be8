#include "forms/CellGrid.h"

#include <algorithm>
#include <cmath>

#include "base/Convert.h"
#include "base/Error.h"
#include "base/Text.h"

namespace orvan::forms {

bool isCheckedText(std::string_view text)
{
    return base::trim(text) == "1";
}

void CellGrid::setMaxRows(int rows)
{
    m_maxRows = std::max(0, rows);
    std::erase_if(m_cells, [this](const auto &entry) { return entry.first.second > m_maxRows; });
}

void CellGrid::setMaxCols(int cols)
{
    m_maxCols = std::max(0, cols);
    std::erase_if(m_cells, [this](const auto &entry) { return entry.first.first > m_maxCols; });
}

void CellGrid::requireInside(int col, int row) const
{
    if (col < 0 || row < 0 || col > m_maxCols || row > m_maxRows)
        throw base::Error(base::ErrorNumber::SubscriptOutOfRange, "Cell (" + std::to_string(col) +
                                                                      ", " + std::to_string(row) +
                                                                      ") is outside the grid");
}

GridCell &CellGrid::cell(int col, int row)
{
    requireInside(col, row);
    return m_cells[{col, row}];
}

const GridCell &CellGrid::cell(int col, int row) const
{
    requireInside(col, row);
    static const GridCell empty;
    const auto found = m_cells.find({col, row});
    return found == m_cells.end() ? empty : found->second;
}

void CellGrid::setText(int col, int row, std::string text)
{
    cell(col, row).text = std::move(text);
}

// An integer cell takes a whole number within its range (none when maximum <= minimum),
// or nothing.
bool CellGrid::isWholeNumberWithin(const GridCell &cell, const std::string &text)
{
    if (base::trim(text).empty())
        return true;
    const auto number = base::parseDecimal(base::trim(text));
    if (!number || *number != std::floor(*number))
        return false;
    return cell.maximum <= cell.minimum || (*number >= cell.minimum && *number <= cell.maximum);
}

bool CellGrid::typeText(int col, int row, std::string text)
{
    auto &target = cell(col, row);
    if (target.locked || target.type == CellType::Static)
        return false;
    if (target.maxLength > 0 && base::charCount(text) > static_cast<std::size_t>(target.maxLength))
        return false;
    if (target.type == CellType::Integer && !isWholeNumberWithin(target, text))
        return false;
    target.text = std::move(text);
    if (onChange)
        onChange(col, row);
    return true;
}

void CellGrid::clearRow(int row)
{
    std::erase_if(m_cells, [row](const auto &entry) { return entry.first.second == row; });
}

void CellGrid::clearAll()
{
    m_cells.clear();
}

bool CellGrid::columnHidden(int col) const
{
    const auto found = m_hiddenColumns.find(col);
    return found != m_hiddenColumns.end() && found->second;
}

void CellGrid::setColumnHidden(int col, bool hidden)
{
    m_hiddenColumns[col] = hidden;
}

bool CellGrid::rowHidden(int row) const
{
    const auto found = m_hiddenRows.find(row);
    return found != m_hiddenRows.end() && found->second;
}

void CellGrid::setRowHidden(int row, bool hidden)
{
    m_hiddenRows[row] = hidden;
}

int CellGrid::columnWidth(int col) const
{
    const auto found = m_columnWidths.find(col);
    return found == m_columnWidths.end() ? 0 : found->second;
}

bool CellGrid::setActiveCell(int col, int row)
{
    requireInside(col, row);
    bool cancel = false;
    if (onLeaveCell && (col != m_activeCol || row != m_activeRow))
        onLeaveCell(m_activeCol, m_activeRow, col, row, cancel);
    if (cancel)
        return false;
    m_activeCol = col;
    m_activeRow = row;
    return true;
}

} // namespace orvan::forms
