#pragma once

#include <QAbstractTableModel>

#include <functional>
#include <string>

namespace orvan::forms {
class CellGrid;
struct GridCell;
} // namespace orvan::forms

namespace orvan::gui {

struct CellGridActions;
struct CellGridLayout;

// The cells of a forms::CellGrid as a table model: the rows and columns the layout
// shows, texts (check boxes as check states), colours, alignment and what may be edited.
// Edits go to `commit`, which the view sets to hand them to the grid's owner.
class CellGridModel : public QAbstractTableModel
{
public:
    using Commit = std::function<bool(const QModelIndex &, const QVariant &, int role)>;

    // The role under which a list editor hands back the index of the chosen entry.
    static constexpr int ListIndexRole = Qt::UserRole + 1;

    // Whether a cell of the type is edited in an editor (check boxes, labels and buttons
    // are not).
    static bool hasEditor(const forms::GridCell &cell);

    CellGridModel(const forms::CellGrid &grid, const CellGridLayout &layout,
                  const CellGridActions &actions, QObject *parent);

    Commit commit;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;

    int colOf(const QModelIndex &index) const;
    int rowOf(const QModelIndex &index) const;

    // Whether the index is a cell of the grid as it is now (the model may still have the
    // size of the grid shown last).
    bool inside(const QModelIndex &index) const;

    // The text shown for a cell's text or a list entry of a column.
    QString shown(int col, const std::string &text) const;

    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

    // Takes the grid's size (a reset) when it changed and may, else repaints every cell.
    // Returns whether the size still differs.
    bool refresh(bool mayReset);

private:
    int gridRows() const;
    int gridCols() const;
    bool readOnlyColumn(int col) const;

    const forms::CellGrid &m_grid;
    const CellGridLayout &m_layout;
    const CellGridActions &m_actions;
    int m_rows = 0;
    int m_cols = 0;
};

} // namespace orvan::gui
