#pragma once

#include <QObject>

namespace orvan::gui {

class CellGridView;

// Discards typed characters the grid's filter refuses, in any editor of the grid.
class CellKeyFilter : public QObject
{
public:
    CellKeyFilter(const CellGridView &view, QObject *parent);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const CellGridView &m_view;
};

} // namespace orvan::gui
