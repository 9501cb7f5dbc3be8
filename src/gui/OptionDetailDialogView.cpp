#include "gui/OptionDetailDialogView.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "component/OptionDetailForm.h"
#include "gui/QtShell.h"
#include "gui/ViewTexts.h"

namespace orvan::gui {
namespace {

constexpr int DesignedWidth = 420;
constexpr int NumberWidth = 110;

template <class Widget>
Widget *findIn(const std::map<std::string, Widget *> &widgets, const std::string &name)
{
    const auto found = widgets.find(name);
    return found == widgets.end() ? nullptr : found->second;
}

} // namespace

OptionDetailDialogView::OptionDetailDialogView(component::OptionDetailForm &form, QWidget *parent)
    : FormDialog(form, parent)
    , m_options(form)
{
    setObjectName(qt(form.formName()));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    auto *boxes = new QVBoxLayout(frame);
    boxes->setSpacing(10);
    for (const auto &state : form.checkBoxes) {
        auto *box = new QCheckBox(frame);
        box->setObjectName(qt(state.name));
        const auto name = state.name;
        connect(box, &QCheckBox::clicked, this, [this, name](bool checked) {
            guarded([this, &name, checked] { m_options.setChecked(name, checked); });
            refresh();
        });
        boxes->addWidget(box);
        m_checkBoxes[name] = box;
    }
    if (!form.numbers.empty()) {
        auto *numbers = new QFormLayout;
        numbers->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        numbers->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
        for (const auto &state : form.numbers) {
            auto *spin = new QSpinBox(frame);
            spin->setObjectName(qt(state.name));
            spin->setRange(state.minimum, state.maximum);
            spin->setKeyboardTracking(false);
            spin->setMinimumWidth(NumberWidth);
            spin->setAlignment(Qt::AlignRight);
            const auto name = state.name;
            connect(spin, &QSpinBox::valueChanged, this, [this, name](int value) {
                if (m_rendering)
                    return;
                guarded([this, &name, value] { m_options.setNumber(name, value); });
                refresh();
            });
            auto *label = new QLabel(qt(state.caption), frame);
            label->setBuddy(spin);
            numbers->addRow(label, spin);
            m_numbers[name] = spin;
        }
        boxes->addLayout(numbers);
    }
    boxes->addStretch();

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    for (const auto &button : form.buttons) {
        auto *push = new QPushButton(this);
        push->setObjectName(qt("cmd" + button.key));
        push->setDefault(button.key == component::OptionDetailForm::OkKey);
        push->setAutoDefault(false);
        const auto key = button.key;
        connect(push, &QPushButton::clicked, this,
                [this, key] { guarded([this, &key] { m_options.press(key); }); });
        buttonRow->addWidget(push);
        m_buttons[key] = push;
    }

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame, 1);
    layout->addLayout(buttonRow);
    setMinimumWidth(DesignedWidth);
    refresh();
}

QCheckBox *OptionDetailDialogView::checkBox(const std::string &name) const
{
    return findIn(m_checkBoxes, name);
}

QSpinBox *OptionDetailDialogView::numberBox(const std::string &name) const
{
    return findIn(m_numbers, name);
}

QPushButton *OptionDetailDialogView::pushButton(const std::string &key) const
{
    return findIn(m_buttons, key);
}

void OptionDetailDialogView::refresh()
{
    m_rendering = true;
    setWindowTitle(qt(m_options.caption));
    for (const auto &state : m_options.checkBoxes) {
        auto *box = checkBox(state.name);
        if (!box)
            continue;
        box->setText(qt(state.caption));
        box->setChecked(state.value != 0);
        box->setEnabled(state.enabled);
        box->setVisible(state.visible);
    }
    for (const auto &state : m_options.numbers) {
        auto *spin = numberBox(state.name);
        if (!spin)
            continue;
        spin->setValue(state.value);
        spin->setEnabled(state.enabled);
    }
    for (const auto &button : m_options.buttons) {
        auto *push = pushButton(button.key);
        if (!push)
            continue;
        push->setText(qt(button.caption));
        push->setToolTip(qt(button.toolTip));
        push->setEnabled(button.enabled);
        push->setVisible(button.visible);
    }
    m_rendering = false;
}

void registerOptionDetailViews()
{
    for (const char *name :
         {component::OptionDialogForm::BackFlush, component::OptionDialogForm::Kanban,
          component::OptionDialogForm::SuitControl, component::OptionDialogForm::BomOptions,
          component::OptionDialogForm::ShortageWarning})
        QtShell::registerView(name, [](forms::Form &form, QWidget *parent) {
            return std::make_unique<OptionDetailDialogView>(
                dynamic_cast<component::OptionDetailForm &>(form), parent);
        });
}

} // namespace orvan::gui
