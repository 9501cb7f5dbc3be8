#include "gui/MenuBinder.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "base/Text.h"
#include "forms/Menu.h"
#include "gui/ViewTexts.h"

namespace orvan::gui {

MenuBinder::MenuBinder(forms::MenuBar &menus, QWidget *parent)
    : QObject(parent)
    , m_menus(menus)
    , m_menuBar(new QMenuBar(parent))
{
    m_menuBar->setObjectName(QStringLiteral("menuBar"));
    for (const auto &menu : m_menus.menus()) {
        if (base::equalsNoCase(menu.name, PopupMenuName)) {
            m_popup = buildMenu(menu, menu.name, parent);
            continue;
        }
        auto *built = buildMenu(menu, menu.name, m_menuBar);
        m_menuBar->addMenu(built);
        m_actions[menu.name] = built->menuAction();
    }
    if (!m_popup)
        m_popup = new QMenu(parent);
    update();
}

QMenu *MenuBinder::buildMenu(const forms::MenuItem &menu, const std::string &path, QWidget *parent)
{
    auto *built = new QMenu(menuCaption(menu), parent);
    built->setObjectName(qt("mnu" + menu.name));
    addItems(built, menu, path);
    return built;
}

void MenuBinder::addItems(QMenu *menu, const forms::MenuItem &item, const std::string &path)
{
    for (const auto &child : item.children) {
        if (child.separator) {
            menu->addSeparator();
            continue;
        }
        const auto childPath = path + "." + child.name;
        if (!child.children.empty()) {
            auto *sub = buildMenu(child, childPath, menu);
            menu->addMenu(sub);
            m_actions[childPath] = sub->menuAction();
            continue;
        }
        auto *action = menu->addAction(menuCaption(child));
        action->setObjectName(qt("mnu" + childPath));
        // The pop-up's items share their keys with the menu bar's; only the bar has them.
        if (!base::startsWithNoCase(childPath, PopupMenuName)) {
            action->setShortcut(QKeySequence(menuShortcut(child)));
            action->setShortcutContext(Qt::WindowShortcut);
        }
        connect(action, &QAction::triggered, this,
                [this, childPath] { emit itemChosen(childPath); });
        m_actions[childPath] = action;
    }
}

QAction *MenuBinder::action(const std::string &path) const
{
    for (const auto &[key, action] : m_actions)
        if (base::equalsNoCase(key, path))
            return action;
    return nullptr;
}

void MenuBinder::update()
{
    for (const auto &menu : m_menus.menus()) {
        if (auto *found = action(menu.name)) {
            found->setText(menuCaption(menu));
            found->setEnabled(menu.enabled);
            found->setVisible(menu.visible);
        }
        updateItems(menu, menu.name);
    }
}

void MenuBinder::updateItems(const forms::MenuItem &item, const std::string &path)
{
    for (const auto &child : item.children) {
        if (child.separator)
            continue;
        const auto childPath = path + "." + child.name;
        if (auto *found = action(childPath)) {
            found->setText(menuCaption(child));
            found->setEnabled(child.enabled);
            found->setVisible(child.visible);
            if (child.checked)
                found->setCheckable(true);
            found->setChecked(child.checked);
        }
        updateItems(child, childPath);
    }
}

} // namespace orvan::gui
