#include "gui/SearchBox.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "component/Translation.h"
#include "gui/ViewTexts.h"

namespace orvan::gui {

SearchBox::SearchBox(QWidget *parent)
    : QWidget(parent)
    , m_edit(new QLineEdit(this))
    , m_empty(new QLabel(this))
{
    setObjectName(QStringLiteral("searchBox"));
    m_edit->setObjectName(QStringLiteral("search"));
    m_edit->setPlaceholderText(qt(component::TranslateText("搜索参数 (Ctrl+F)")));
    m_edit->setClearButtonEnabled(true);
    m_edit->installEventFilter(this);
    m_empty->setObjectName(QStringLiteral("searchEmpty"));
    m_empty->setWordWrap(true);
    m_empty->setContentsMargins(2, 2, 2, 2);
    m_empty->hide();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_edit);
    layout->addWidget(m_empty);
    connect(m_edit, &QLineEdit::textChanged, this,
            [this](const QString &text) { emit textTyped(text.toStdString()); });
}

void SearchBox::render(const std::string &text, const std::string &emptyText)
{
    if (m_edit->text().toStdString() != text) {
        const QSignalBlocker quiet(m_edit);
        m_edit->setText(qt(text));
    }
    m_empty->setText(qt(emptyText));
    m_empty->setVisible(!emptyText.empty());
}

void SearchBox::takeFocus()
{
    m_edit->setFocus(Qt::ShortcutFocusReason);
    m_edit->selectAll();
}

bool SearchBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_edit || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        emit nextRequested();
        return true;
    }
    if (key == Qt::Key_Escape) {
        m_edit->clear();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace orvan::gui
