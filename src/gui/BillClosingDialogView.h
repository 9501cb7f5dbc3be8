#pragma once

#include <map>
#include <string>

#include "gui/FormDialog.h"

class QLabel;
class QPushButton;

namespace orvan::closing {
class BillClosingDialog;
}

namespace orvan::gui {

// The bill-closing window: the explanation above the four buttons of closing::BillClosingDialog
// (captions with their accelerators, tool tips, enabled states), each click passed to
// the form. F1 and the close box go through FormDialog.
class BillClosingDialogView : public FormDialog
{
    Q_OBJECT

public:
    explicit BillClosingDialogView(closing::BillClosingDialog &form, QWidget *parent = nullptr);

    // The push button of a form button key ("Close", "Reopen", ...), or nullptr.
    QPushButton *pushButton(const std::string &key) const;

protected:
    void refresh() override;

private:
    void buildButtons();
    void pressAfterAsking(const std::string &key);

    closing::BillClosingDialog &m_shutBill;
    QLabel *m_period = nullptr;
    QLabel *m_explanation = nullptr;
    std::map<std::string, QPushButton *> m_pushButtons;
};

// Makes the shell show BillClosingDialogView for "frmShutBill".
void registerBillClosingView();

} // namespace orvan::gui
