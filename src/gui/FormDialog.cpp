#include "gui/FormDialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QTimer>

#include "forms/Form.h"

namespace orvan::gui {
namespace {

// The host's key code of a Qt key, for the keys the forms handle (F1-F12, Escape, Enter).
int hostKeyCode(int qtKey)
{
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return 112 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    default:
        return 0;
    }
}

} // namespace

FormDialog::FormDialog(forms::Form &form, QWidget *parent)
    : QDialog(parent)
    , m_form(form)
{
    setWindowTitle(QString::fromStdString(form.caption));
    form.addChangeListener([this] { onFormChanged(); });
}

FormDialog::~FormDialog()
{
    m_form.clearChangeListeners();
}

void FormDialog::onFormChanged()
{
    if (m_form.closeRequested()) {
        QTimer::singleShot(0, this, [this] { done(QDialog::Accepted); });
        return;
    }
    setWindowTitle(QString::fromStdString(m_form.caption));
    refresh();
}

void FormDialog::keyPressEvent(QKeyEvent *event)
{
    const int code = hostKeyCode(event->key());
    if (code >= 112) {
        guarded([this, code] { m_form.keyDown(code, 0); });
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

// Whether the form lets the window close; a form that fails to answer keeps it open, as
// it may hold changes it could not save.
bool FormDialog::formAgreesToClose()
{
    bool agreed = false;
    guarded([this, &agreed] { agreed = m_form.closeRequested() || m_form.queryClose(); });
    return agreed;
}

void FormDialog::closeEvent(QCloseEvent *event)
{
    if (formAgreesToClose())
        event->accept();
    else
        event->ignore();
}

void FormDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        QTimer::singleShot(0, this, [this] {
            guarded([this] { m_form.activate(); });
            refresh();
        });
    }
}

void FormDialog::reject()
{
    if (formAgreesToClose())
        QDialog::reject();
}

} // namespace orvan::gui
