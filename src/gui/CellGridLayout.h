#pragma once

#include <set>

namespace orvan::gui {

// How a grid is shown: the first column and row shown, row 0 as column headings,
// columns the user reads but never edits, and the columns that share the spare width.
struct CellGridLayout
{
    int firstCol = 1;
    int firstRow = 1;
    bool headings = false;
    std::set<int> readOnlyCols;
    std::set<int> stretchCols;
};

} // namespace orvan::gui
