// The search box of the maintenance window: the filtered tree, Enter's next match and
// the options and rows the search marks.
#include "base/Text.h"
#include "component/ProcessState.h"
#include "forms/LedgerGrid.h"
#include "mainwindow/MaintenanceWindow.h"

namespace orvan::mainwindow {
namespace {

// The first data row and how many rows the marks look through.
constexpr int FirstDataRow = 2;
constexpr int RowsSearched = forms::LedgerGrid::ShownColumnsScanRows;

bool isKeyOrValueOf(const std::string &cell, const params::SearchMatch &match)
{
    return !cell.empty() &&
           (base::equalsNoCase(cell, match.key) || base::equalsNoCase(cell, match.value));
}

// The row's cells a person sees: those of the columns shown.
std::vector<std::string> shownCells(const forms::LedgerGrid &list, int row,
                                    const std::vector<bool> &shown)
{
    std::vector<std::string> kept;
    auto cells = list.rowText(row);
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (i >= shown.size() || shown[i])
            kept.push_back(std::move(cells[i]));
    return kept;
}

// A cell holds the text searched for, or is the key or value of a match.
bool holdsSearch(const std::vector<std::string> &cells, const std::string &text,
                 const std::vector<params::SearchMatch> &keyed)
{
    for (const auto &cell : cells) {
        if (base::findNoCase(cell, text) != std::string::npos)
            return true;
        for (const auto &match : keyed)
            if (isKeyOrValueOf(cell, match))
                return true;
    }
    return false;
}

} // namespace

void MaintenanceWindow::setSearchText(const std::string &text)
{
    m_search.search(text, tree);
    ++m_searchRuns;
    notifyChanged();
}

bool MaintenanceWindow::nextMatch()
{
    const auto *found = m_search.next();
    if (!found)
        return false;
    const auto match = *found;
    selectAndClick(match.nodeKey);
    makeMatchCurrent(match);
    notifyChanged();
    return true;
}

forms::OptionSheet *MaintenanceWindow::shownSheet()
{
    if (optionPageVisible && optionControl)
        return &optionControl->sheet();
    if (calculationControlVisible && calculationControl)
        return &calculationControl->sheet();
    if (costCalculationControlVisible && costCalculationControl)
        return &costCalculationControl->sheet();
    return nullptr;
}

bool MaintenanceWindow::isSearchHit(const std::string &optionKey) const
{
    return m_search.matchesKey(component::processState().currentNodeKey, optionKey);
}

bool MaintenanceWindow::isSearchHitRow(int row)
{
    return searchHitRows().contains(row);
}

// Found again when another node, another load of the list or another search is shown.
const std::set<int> &MaintenanceWindow::searchHitRows()
{
    const auto &nodeKey = component::processState().currentNodeKey;
    auto &hits = m_searchHitRows;
    if (hits.nodeKey == nodeKey && hits.refreshes == list.refreshCount() &&
        hits.searchRun == m_searchRuns)
        return hits.rows;
    hits = {nodeKey, list.refreshCount(), m_searchRuns, {}};
    if (!m_search.active() || shownSheet() || !listVisible)
        return hits.rows;
    const auto keyed = m_search.keyedMatchesOf(nodeKey);
    const auto shown = list.shownColumns();
    const int last = std::min(list.rowCount(), RowsSearched);
    for (int row = FirstDataRow; row <= last; ++row)
        if (holdsSearch(shownCells(list, row, shown), m_search.text(), keyed))
            hits.rows.insert(row);
    return hits.rows;
}

// The first row that shows the match's key or value; 0 when none does.
int MaintenanceWindow::rowOfMatch(const params::SearchMatch &match) const
{
    const auto shown = list.shownColumns();
    const int last = std::min(list.rowCount(), RowsSearched);
    for (int row = FirstDataRow; row <= last; ++row)
        for (const auto &cell : shownCells(list, row, shown))
            if (isKeyOrValueOf(cell, match))
                return row;
    return 0;
}

void MaintenanceWindow::makeMatchCurrent(const params::SearchMatch &match)
{
    if (match.key.empty())
        return;
    if (auto *sheet = shownSheet()) {
        for (std::size_t i = 0; i < sheet->rows.size(); ++i)
            if (sheet->rows[i].key == match.key)
                sheet->currentRow = static_cast<int>(i);
        return;
    }
    if (const int row = rowOfMatch(match); listVisible && row >= FirstDataRow)
        m_detail.TakeSelection(true, row);
}

} // namespace orvan::mainwindow
