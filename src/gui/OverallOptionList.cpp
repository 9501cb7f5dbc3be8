#include "gui/OverallOptionList.h"

#include <QMouseEvent>

#include "forms/Controls.h"
#include "gui/ViewTexts.h"

namespace orvan::gui {
namespace {

constexpr int KeyRole = Qt::UserRole;

} // namespace

OverallOptionList::OverallOptionList(QWidget *parent)
    : QListWidget(parent)
{
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setSpacing(2);
    connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem *item) {
        if (!m_rendering)
            emit entryToggled(item->data(KeyRole).toString().toStdString(),
                              item->checkState() == Qt::Checked);
    });
}

bool OverallOptionList::sameEntries(const forms::CheckList &list) const
{
    if (count() != static_cast<int>(list.items.size()))
        return false;
    for (int i = 0; i < count(); ++i)
        if (item(i)->data(KeyRole).toString() != qt(list.items[static_cast<std::size_t>(i)].key))
            return false;
    return true;
}

void OverallOptionList::render(const forms::CheckList &list)
{
    m_rendering = true;
    if (!sameEntries(list)) {
        clear();
        for (const auto &entry : list.items) {
            auto *added = new QListWidgetItem(this);
            added->setData(KeyRole, qt(entry.key));
            added->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        }
    }
    for (int i = 0; i < count(); ++i) {
        const auto &entry = list.items[static_cast<std::size_t>(i)];
        auto *shown = item(i);
        shown->setText(qt(entry.caption));
        shown->setToolTip(qt(entry.caption));
        shown->setCheckState(entry.checked ? Qt::Checked : Qt::Unchecked);
    }
    m_rendering = false;
}

void OverallOptionList::mouseReleaseEvent(QMouseEvent *event)
{
    QListWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::RightButton)
        emit rightButtonReleased(event->globalPosition().toPoint());
}

} // namespace orvan::gui
