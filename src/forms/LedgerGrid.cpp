#include "forms/LedgerGrid.h"

#include <algorithm>

#include "base/Convert.h"
#include "base/Text.h"

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

void LedgerGrid::clearColumnWidths(int first)
{
    std::erase_if(m_columnWidths, [first](const auto &entry) { return entry.first >= first; });
}

std::string LedgerGrid::columnWidthsText(int first) const
{
    std::string text;
    for (const auto &[column, twips] : m_columnWidths)
        if (column >= first && twips > 0)
            text +=
                (text.empty() ? "" : ";") + std::to_string(column) + ":" + std::to_string(twips);
    return text;
}

void LedgerGrid::setColumnWidthsText(const std::string &text)
{
    for (const auto &pair : base::splitAll(text, ";")) {
        const auto colon = pair.find(':');
        if (colon == std::string::npos)
            continue;
        const auto column = base::parseDecimal(pair.substr(0, colon));
        const auto twips = base::parseDecimal(pair.substr(colon + 1));
        if (column && twips && *column >= 1 && *column <= 1000 && *twips > 0 && *twips < 1e6)
            setColumnWidth(static_cast<int>(*column), static_cast<int>(*twips));
    }
}

std::vector<bool> LedgerGrid::shownColumns() const
{
    const auto columns = static_cast<std::size_t>(std::max(0, m_columnCount));
    std::vector<bool> shown(columns, false);
    std::vector<bool> headed(columns, false);
    const auto headings = rowText(1);
    for (std::size_t i = 0; i < columns && i < headings.size(); ++i)
        headed[i] = !base::trim(headings[i]).empty();
    if (m_rowCount < 2 || m_rowCount - 1 > ShownColumnsScanRows)
        return headed; // an empty list still shows what it would hold
    for (int row = 2; row <= m_rowCount; ++row) {
        const auto cells = rowText(row);
        for (std::size_t i = 0; i < columns && i < cells.size(); ++i)
            shown[i] = shown[i] || (headed[i] && !base::trim(cells[i]).empty());
        if (shown == headed)
            break;
    }
    return shown;
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
