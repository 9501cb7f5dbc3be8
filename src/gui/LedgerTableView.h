#pragma once

#include <QTableView>

namespace orvan::forms {
class LedgerGrid;
}

namespace orvan::gui {

class LedgerTableModel;

// The list grid: shows the grid's rows through LedgerTableModel, takes the column widths
// (twips) from the grid and writes back the widths the user drags, keeps the grid's
// current row and the view's selection together, and reports double-clicks on a row and
// the right button's release.
class LedgerTableView : public QTableView
{
    Q_OBJECT

public:
    explicit LedgerTableView(forms::LedgerGrid &grid, QWidget *parent = nullptr);

    LedgerTableModel &ledgerModel() const { return *m_model; }
    // Copies the grid's rows, widths and current row into the view.
    void render();

signals:
    void rowDoubleClicked();
    void rightButtonReleased(const QPoint &globalPos);

protected:
    void changeEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyColumnWidths();
    void showCurrentRow();
    void onSectionResized(int section, int oldSize, int newSize);
    void onCurrentChanged(const QModelIndex &current);
    int defaultWidth(int section) const;

    forms::LedgerGrid &m_grid;
    LedgerTableModel *m_model = nullptr;
    bool m_rendering = false;
    bool m_userResizing = false;
    bool m_widthsApplied = false; // the list loaded before the view still needs its widths
};

} // namespace orvan::gui
