#include "forms/LedgerGrid.h"

#include <algorithm>

namespace orvan::forms {

void LedgerGrid::setRowCount(int rows)
{
    m_rowCount = std::max(0, rows);
    if (m_currentRow > m_rowCount)
        m_currentRow = 0;
}

void LedgerGrid::setColumnCount(int columns)
{
    m_columnCount = std::max(0, columns);
}

void LedgerGrid::setCurrentRow(int row)
{
    m_currentRow = (row >= 1 && row <= m_rowCount) ? row : 0;
    if (onRowChanged)
        onRowChanged(m_currentRow);
}

int LedgerGrid::columnWidth(int column) const
{
    const auto found = m_columnWidths.find(column);
    return found == m_columnWidths.end() ? 0 : found->second;
}

void LedgerGrid::setColumnWidth(int column, int twips)
{
    m_columnWidths[column] = std::max(0, twips);
}

int LedgerGrid::columnAlign(int column) const
{
    const auto found = m_columnAligns.find(column);
    return found == m_columnAligns.end() ? 0 : found->second;
}

bool LedgerGrid::columnSwitch(int column, int flag) const
{
    const auto found = m_columnSwitches.find(column);
    return found != m_columnSwitches.end() && (found->second & flag) == flag;
}

void LedgerGrid::setColumnSwitch(int column, int flag, bool on)
{
    auto &flags = m_columnSwitches[column];
    flags = on ? (flags | flag) : (flags & ~flag);
}

uint32_t LedgerGrid::rowColor(int row) const
{
    const auto found = m_rowColors.find(row);
    return found == m_rowColors.end() ? m_backColor : found->second;
}

std::vector<std::string> LedgerGrid::rowText(int row) const
{
    if (!m_rowText || row < 1 || row > m_rowCount)
        return {};
    return m_rowText(row);
}

void LedgerGrid::clear()
{
    m_rowCount = 0;
    m_currentRow = 0;
    m_rowColors.clear();
}

void LedgerGrid::refresh()
{
    ++m_refreshes;
    if (m_onRefresh)
        m_onRefresh();
}

} // namespace orvan::forms
