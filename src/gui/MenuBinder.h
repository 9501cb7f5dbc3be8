#pragma once

#include <QObject>

#include <map>
#include <string>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace orvan::forms {
class MenuBar;
struct MenuItem;
} // namespace orvan::forms

namespace orvan::gui {

// The window's menus as a Qt menu bar, and the "Popup" menu as a pop-up menu. Each
// action carries the dotted path of its item ("Edit.Delete"); choosing one reports the
// path. update() copies captions, enabled, checked and visible states from the menus.
class MenuBinder : public QObject
{
    Q_OBJECT

public:
    static constexpr const char *PopupMenuName = "Popup";

    MenuBinder(forms::MenuBar &menus, QWidget *parent);

    QMenuBar *menuBar() const { return m_menuBar; }
    QMenu *popupMenu() const { return m_popup; }
    // The action of a path, or nullptr.
    QAction *action(const std::string &path) const;
    void update();

signals:
    void itemChosen(const std::string &path);

private:
    QMenu *buildMenu(const forms::MenuItem &menu, const std::string &path, QWidget *parent);
    void addItems(QMenu *menu, const forms::MenuItem &item, const std::string &path);
    void updateItems(const forms::MenuItem &item, const std::string &path);

    forms::MenuBar &m_menus;
    QMenuBar *m_menuBar = nullptr;
    QMenu *m_popup = nullptr;
    std::map<std::string, QAction *> m_actions;
};

} // namespace orvan::gui
