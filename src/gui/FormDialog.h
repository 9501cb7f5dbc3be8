#pragma once

#include <QDialog>

#include "gui/ActionGuard.h"

namespace orvan::forms {
class Form;
}

namespace orvan::gui {

// Base of the modal views: re-reads the form on every change (refresh), closes when the
// form asks to, forwards F1 and other keys, and asks the form before the close box
// closes it. The views hand every user action to the form through gui::guarded
// (gui/ActionGuard.h), so an error the form lets out is shown instead of ending the
// program.
class FormDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FormDialog(forms::Form &form, QWidget *parent = nullptr);
    ~FormDialog() override;

    forms::Form &form() const { return m_form; }

protected:
    // Copies the form's state into the widgets.
    virtual void refresh() {}

    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    void onFormChanged();
    bool formAgreesToClose();

    forms::Form &m_form;
    bool m_activated = false;
};

} // namespace orvan::gui
