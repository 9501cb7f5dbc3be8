#pragma once

#include <QStyledItemDelegate>

namespace orvan::forms {
struct GridCell;
}

namespace orvan::gui {

class CellGridView;

// The editors of a CellGridView's cells by cell type: a line edit within the maximum
// length, a drop-down list, a date box yyyy-MM-dd and spin boxes within the limits. Each
// filters typed characters as the grid does.
class CellGridDelegate : public QStyledItemDelegate
{
public:
    explicit CellGridDelegate(CellGridView &view);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;

private:
    static int listIndexOf(const forms::GridCell &cell);
    QWidget *makeEditor(QWidget *parent, const forms::GridCell &cell, int col) const;
    QWidget *makeWholeNumber(QWidget *parent, const forms::GridCell &cell) const;
    QWidget *makeDecimal(QWidget *parent, const forms::GridCell &cell) const;
    QWidget *makeLine(QWidget *parent, const forms::GridCell &cell) const;
    QWidget *makeList(QWidget *parent, const forms::GridCell &cell, int col) const;

    CellGridView &m_view;
};

} // namespace orvan::gui
