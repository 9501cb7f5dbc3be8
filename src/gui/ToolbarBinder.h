#pragma once

#include <QIcon>
#include <QObject>

#include <map>
#include <string>

class QAction;
class QToolBar;
class QWidget;

namespace orvan::forms {
class Toolbar;
}

namespace orvan::gui {

// The window's toolbar: one action per button key, with the icon of the button's image,
// shown and enabled as the toolbar says. Pressing a button reports its key.
class ToolbarBinder : public QObject
{
    Q_OBJECT

public:
    ToolbarBinder(forms::Toolbar &toolbar, QWidget *parent);

    QToolBar *toolBar() const { return m_toolBar; }
    QAction *action(const std::string &key) const;
    // Copies visible and enabled states; labels under the icons when `labels`.
    void update(bool labels);

signals:
    void buttonPressed(const std::string &key);

private:
    forms::Toolbar &m_toolbar;
    QToolBar *m_toolBar = nullptr;
    std::map<std::string, QAction *> m_actions;
};

// The picture of a toolbar image name ("New", "Print", ...): the desktop theme's icon
// when it has one, else the style's.
QIcon toolIcon(const std::string &image, const QWidget &widget);

} // namespace orvan::gui
