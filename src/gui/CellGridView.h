#pragma once

#include <QTableView>

#include <utility>

#include "gui/CellGridActions.h"
#include "gui/CellGridLayout.h"

namespace orvan::forms {
class CellGrid;
struct GridCell;
} // namespace orvan::forms

namespace orvan::gui {

class CellGridModel;

// A forms::CellGrid as a table: texts, back and fore colours, locked cells read-only,
// hidden rows and columns, and an editor by cell type (line edit within the maximum
// length, list box, date box yyyy-MM-dd, spin boxes within the limits, check box).
// Only the grid's active cell is edited: moving the cursor asks enterCell first and
// goes back when it is refused. After every action the grid is shown again, so a value
// the owner refused goes back.
class CellGridView : public QTableView
{
    Q_OBJECT

public:
    CellGridView(const forms::CellGrid &grid, CellGridLayout layout, CellGridActions actions,
                 QWidget *parent = nullptr);
    ~CellGridView() override;

    const forms::CellGrid &grid() const { return m_grid; }
    const CellGridActions &actions() const { return m_actions; }

    // Shows the grid again: rebuilt when its size changed, else the cells repainted; the
    // cursor follows the grid's active cell.
    void render();

    using QTableView::edit;

    // The table index of a grid cell (invalid outside the rows and columns shown), and
    // the grid cell (col, row) of an index.
    QModelIndex indexOf(int col, int row) const;
    std::pair<int, int> cellOf(const QModelIndex &index) const;
    // The text a cell shows.
    QString shownText(int col, int row) const;

    // Hands the text of an open editor to the owner and closes the editor (before the
    // window acts on the grid's contents: a toolbar button, closing).
    void finishEdit();

    // Whether a typed character passes the filter.
    bool acceptsText(const QString &text) const;
    // Asks enterCell again for the active cell before its editor opens (a cell may
    // become a list only then); returns the cell.
    const forms::GridCell &prepareEdit(const QModelIndex &index);

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool isActive(const QModelIndex &index) const;
    bool commit(const QModelIndex &index, const QVariant &value, int role);
    void applyShape();
    void followActiveCell();
    void focusMoved(QWidget *from, QWidget *to);

    const forms::CellGrid &m_grid;
    CellGridLayout m_layout;
    CellGridActions m_actions;
    CellGridModel *m_model = nullptr;
    bool m_rendering = false;
    bool m_acting = false;
    bool m_leaving = false;
};

} // namespace orvan::gui
