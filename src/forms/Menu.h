#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvan::forms {

// A menu item; items with children are menus. `name` is the item's plain name used to
// address it ("Edit", "Delete"); `caption` is what the user reads.
struct MenuItem
{
    std::string name;
    std::string caption;
    std::string shortcut; // e.g. "Ctrl+N"
    bool separator = false;
    bool enabled = true;
    bool checked = false;
    bool visible = true;
    std::vector<MenuItem> children;

    MenuItem &add(MenuItem item);
};

// The menus of a window and its pop-up menus, addressed by dotted paths of names
// ("Edit.Delete", "View.Refresh"; names ignore case).
class MenuBar
{
public:
    MenuItem &add(MenuItem menu);
    // The item at the path, or nullptr.
    MenuItem *find(std::string_view path);
    const MenuItem *find(std::string_view path) const;
    // The item at the path; raises base::Error when absent.
    MenuItem &item(std::string_view path);
    const std::vector<MenuItem> &menus() const { return m_menus; }

private:
    std::vector<MenuItem> m_menus;
};

} // namespace orvan::forms
