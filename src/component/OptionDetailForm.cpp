#include "component/OptionDetailForm.h"

#include "base/Text.h"
#include "component/Translation.h"

namespace orvan::component {
namespace {

// The control of that name (without regard to case), const when the list is.
template <class Controls>
auto findByName(Controls &controls, std::string_view name) -> decltype(&*controls.begin())
{
    for (auto &control : controls)
        if (base::equalsNoCase(control.name, name))
            return &control;
    return nullptr;
}

} // namespace

OptionDetailForm::OptionDetailForm(std::string name)
    : m_name(std::move(name))
{
    buttons.push_back({.key = OkKey, .caption = component::TranslateText("确定")});
    buttons.push_back({.key = CancelKey, .caption = component::TranslateText("取消")});
}

bool OptionDetailForm::setChecked(std::string_view name, bool checked)
{
    auto *box = findByName(checkBoxes, name);
    if (!box || !box->enabled || closeRequested())
        return false;
    box->value = checked ? 1 : 0;
    notifyChanged();
    return true;
}

bool OptionDetailForm::setNumber(std::string_view name, int32_t value)
{
    auto *box = findByName(numbers, name);
    if (!box || !box->enabled || closeRequested() || value < box->minimum || value > box->maximum)
        return false;
    box->value = value;
    notifyChanged();
    return true;
}

bool OptionDetailForm::press(std::string_view key)
{
    if (closeRequested())
        return false;
    if (base::equalsNoCase(key, OkKey))
        m_accepted = true;
    else if (!base::equalsNoCase(key, CancelKey))
        return false;
    close();
    return true;
}

const forms::CheckBox *OptionDetailForm::checkBox(std::string_view name) const
{
    return findByName(checkBoxes, name);
}

const NumberBox *OptionDetailForm::number(std::string_view name) const
{
    return findByName(numbers, name);
}

} // namespace orvan::component
