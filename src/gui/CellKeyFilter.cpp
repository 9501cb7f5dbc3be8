#include "gui/CellKeyFilter.h"

#include <QKeyEvent>

#include "gui/CellGridView.h"

namespace orvan::gui {

CellKeyFilter::CellKeyFilter(const CellGridView &view, QObject *parent)
    : QObject(parent)
    , m_view(view)
{}

bool CellKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!key->text().isEmpty() && !m_view.acceptsText(key->text()))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace orvan::gui
