#pragma once

#include <QAbstractTableModel>
#include <QBrush>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace orvan::forms {
class LedgerGrid;
}

namespace orvan::gui {

// The list grid as a table model: the grid's row 1 is the header, its data rows (from
// 2) are the model's rows. A row's texts are asked for only when a view shows the row
// and kept until the grid reloads.
class LedgerTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit LedgerTableModel(forms::LedgerGrid &grid, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Re-reads the grid when it was reloaded or resized since the last call; otherwise
    // only repaints (row colours may have changed). Returns whether it re-read.
    bool sync();
    // Forgets every row read and re-reads the grid.
    void reload();

    // Rows the predicate marks (a search's) take the brush as background, unless the
    // grid gives them a colour of their own.
    void markRows(std::function<bool(int gridRow)> marked, QBrush brush);

    // The grid row of a model row and back.
    static int gridRow(int modelRow) { return modelRow + 2; }
    static int modelRow(int gridRow) { return gridRow - 2; }

private:
    struct Shape
    {
        int refreshes = -1;
        int rows = -1;
        int columns = -1;
        bool operator==(const Shape &) const = default;
    };

    Shape currentShape() const;
    const std::vector<std::string> &cells(int gridRow) const;

    forms::LedgerGrid &m_grid;
    Shape m_shape;
    mutable std::map<int, std::vector<std::string>> m_rows;
    std::function<bool(int gridRow)> m_marked;
    QBrush m_markBrush;
};

} // namespace orvan::gui
