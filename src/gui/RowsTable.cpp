#include "gui/RowsTable.h"

#include <QHeaderView>
#include <QTableWidget>

#include "component/Translation.h"
#include "gui/ViewTexts.h"

namespace orvan::gui {

QTableWidget *makeRowsTable(QWidget *parent, const std::vector<std::string> &headings)
{
    QStringList labels;
    for (const auto &heading : headings)
        labels << qt(component::TranslateText(heading));
    auto *table = new QTableWidget(parent);
    table->setObjectName(QStringLiteral("rows"));
    table->setColumnCount(static_cast<int>(labels.size()));
    table->setHorizontalHeaderLabels(labels);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setAlternatingRowColors(true);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(table->columnCount() - 1, QHeaderView::Stretch);
    return table;
}

void showRows(QTableWidget &table, const std::vector<std::vector<std::string>> &rows)
{
    table.setRowCount(static_cast<int>(rows.size()));
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            table.setItem(static_cast<int>(r), static_cast<int>(c),
                          new QTableWidgetItem(qt(rows[r][c])));
}

} // namespace orvan::gui
