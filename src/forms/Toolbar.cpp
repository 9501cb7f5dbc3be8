#include "forms/Toolbar.h"

#include <algorithm>

#include "base/Error.h"
#include "base/Text.h"

namespace orvan::forms {
namespace {

template <class Buttons>
auto findButton(Buttons &buttons, const std::string &key)
{
    return std::find_if(buttons.begin(), buttons.end(), [&key](const ToolButton &button) {
        return !button.key.empty() && base::equalsNoCase(button.key, key);
    });
}

[[noreturn]] void raiseNotFound(const std::string &key)
{
    throw base::Error(base::ErrorNumber::ElementNotFound, "Element not found: " + key);
}

} // namespace

void Toolbar::add(ToolButton button)
{
    m_buttons.push_back(std::move(button));
}

ToolButton &Toolbar::button(const std::string &key)
{
    const auto found = findButton(m_buttons, key);
    if (found == m_buttons.end())
        raiseNotFound(key);
    return *found;
}

const ToolButton &Toolbar::button(const std::string &key) const
{
    const auto found = findButton(m_buttons, key);
    if (found == m_buttons.end())
        raiseNotFound(key);
    return *found;
}

bool Toolbar::contains(const std::string &key) const
{
    return findButton(m_buttons, key) != m_buttons.end();
}

} // namespace orvan::forms
