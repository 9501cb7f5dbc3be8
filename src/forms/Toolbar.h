#pragma once

#include <string>
#include <vector>

namespace orvan::forms {

struct ToolButton
{
    std::string key;
    std::string caption;
    std::string toolTip;
    std::string image; // icon name the view maps to a picture
    bool separator = false;
    bool visible = true;
    bool enabled = true;
};

// A toolbar: buttons by key, in display order.
class Toolbar
{
public:
    void add(ToolButton button);
    void clear() { m_buttons.clear(); }

    // The button with the key (keys ignore case); raises base::Error 35601 when absent,
    // as the toolbar control does.
    ToolButton &button(const std::string &key);
    const ToolButton &button(const std::string &key) const;
    bool contains(const std::string &key) const;
    const std::vector<ToolButton> &buttons() const { return m_buttons; }

private:
    std::vector<ToolButton> m_buttons;
};

} // namespace orvan::forms
