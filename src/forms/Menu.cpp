#include "forms/Menu.h"

#include "base/Error.h"
#include "base/Text.h"

namespace orvan::forms {
namespace {

MenuItem *findIn(std::vector<MenuItem> &items, std::string_view path)
{
    const auto dot = path.find('.');
    const auto name = path.substr(0, dot);
    for (auto &item : items) {
        if (item.separator || !base::equalsNoCase(item.name, name))
            continue;
        return dot == std::string_view::npos ? &item : findIn(item.children, path.substr(dot + 1));
    }
    return nullptr;
}

} // namespace

MenuItem &MenuItem::add(MenuItem item)
{
    children.push_back(std::move(item));
    return children.back();
}

MenuItem &MenuBar::add(MenuItem menu)
{
    m_menus.push_back(std::move(menu));
    return m_menus.back();
}

MenuItem *MenuBar::find(std::string_view path)
{
    return findIn(m_menus, path);
}

const MenuItem *MenuBar::find(std::string_view path) const
{
    return findIn(const_cast<std::vector<MenuItem> &>(m_menus), path);
}

MenuItem &MenuBar::item(std::string_view path)
{
    if (auto *found = find(path))
        return *found;
    throw base::Error(base::ErrorNumber::InvalidProcedureCall, "No menu item " + std::string(path));
}

} // namespace orvan::forms
