#pragma once

#include <string>
#include <vector>

class QTableWidget;
class QWidget;

namespace orvan::gui {

// A read-only table of text rows under translated headings: whole rows selected,
// alternate rows shaded, columns as wide as their text and the last one taking the rest.
QTableWidget *makeRowsTable(QWidget *parent, const std::vector<std::string> &headings);

// Shows the rows, one cell a column.
void showRows(QTableWidget &table, const std::vector<std::vector<std::string>> &rows);

} // namespace orvan::gui
