#pragma once

#include <map>
#include <string>

#include "gui/FormDialog.h"

class QCheckBox;
class QPushButton;
class QSpinBox;

namespace orvan::component {
class OptionDetailForm;
}

namespace orvan::gui {

// An option dialog of another module: its check boxes, then its numbers in spin boxes
// within their limits, and the form's buttons (OK, Cancel). Each change goes to the
// form and is shown back from it.
class OptionDetailDialogView : public FormDialog
{
    Q_OBJECT

public:
    explicit OptionDetailDialogView(component::OptionDetailForm &form, QWidget *parent = nullptr);

    QCheckBox *checkBox(const std::string &name) const;
    QSpinBox *numberBox(const std::string &name) const;
    QPushButton *pushButton(const std::string &key) const;

protected:
    void refresh() override;

private:
    component::OptionDetailForm &m_options;
    std::map<std::string, QCheckBox *> m_checkBoxes;
    std::map<std::string, QSpinBox *> m_numbers;
    std::map<std::string, QPushButton *> m_buttons;
    bool m_rendering = false;
};

// Registers the view for every option dialog window name.
void registerOptionDetailViews();

} // namespace orvan::gui
