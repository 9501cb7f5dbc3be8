#include "gui/ToolbarBinder.h"

#include <QAction>
#include <QIcon>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include <array>

#include "base/Text.h"
#include "component/Translation.h"
#include "forms/Toolbar.h"
#include "gui/ViewTexts.h"

namespace orvan::gui {
namespace {

struct ImageIcon
{
    const char *image;
    const char *themeName;
    QStyle::StandardPixmap fallback;
};

constexpr std::array ImageIcons{
    ImageIcon{"New", "document-new", QStyle::SP_FileIcon},
    ImageIcon{"Modify", "document-properties", QStyle::SP_FileDialogDetailedView},
    ImageIcon{"Delete", "edit-delete", QStyle::SP_TrashIcon},
    ImageIcon{"Cut", "edit-cut", QStyle::SP_DialogDiscardButton},
    ImageIcon{"Copy", "edit-copy", QStyle::SP_FileLinkIcon},
    ImageIcon{"Paste", "edit-paste", QStyle::SP_DialogApplyButton},
    ImageIcon{"Print", "document-print", QStyle::SP_DialogSaveButton},
    ImageIcon{"PrintView", "document-print-preview", QStyle::SP_FileDialogContentsView},
    ImageIcon{"Exit", "application-exit", QStyle::SP_DialogCloseButton},
};

// Buttons that begin a group of their own.
bool beginsGroup(const std::string &key)
{
    return base::equalsNoCase(key, "Cut") || base::equalsNoCase(key, "Print") ||
           base::equalsNoCase(key, "Exit");
}

} // namespace

QIcon toolIcon(const std::string &image, const QWidget &widget)
{
    for (const auto &entry : ImageIcons) {
        if (!base::equalsNoCase(entry.image, image))
            continue;
        auto icon = QIcon::fromTheme(QString::fromLatin1(entry.themeName));
        return icon.isNull() ? widget.style()->standardIcon(entry.fallback) : icon;
    }
    return widget.style()->standardIcon(QStyle::SP_FileIcon);
}

ToolbarBinder::ToolbarBinder(forms::Toolbar &toolbar, QWidget *parent)
    : QObject(parent)
    , m_toolbar(toolbar)
    , m_toolBar(new QToolBar(parent))
{
    m_toolBar->setObjectName(QStringLiteral("tbToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(24, 24));
    for (const auto &button : m_toolbar.buttons()) {
        if (button.separator) {
            m_toolBar->addSeparator();
            continue;
        }
        if (beginsGroup(button.key) && !m_actions.empty())
            m_toolBar->addSeparator();
        auto *action = m_toolBar->addAction(toolIcon(button.image, *parent), toolCaption(button));
        action->setObjectName(qt("tb" + button.key));
        const auto key = button.key;
        connect(action, &QAction::triggered, this, [this, key] { emit buttonPressed(key); });
        m_actions[key] = action;
    }
    update(true);
}

QAction *ToolbarBinder::action(const std::string &key) const
{
    for (const auto &[name, action] : m_actions)
        if (base::equalsNoCase(name, key))
            return action;
    return nullptr;
}

void ToolbarBinder::update(bool labels)
{
    m_toolBar->setToolButtonStyle(labels ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
    for (const auto &button : m_toolbar.buttons()) {
        auto *found = action(button.key);
        if (!found)
            continue;
        found->setVisible(button.visible);
        found->setEnabled(button.enabled);
        found->setText(toolCaption(button));
        found->setToolTip(button.toolTip.empty() ? toolCaption(button)
                                                 : qt(component::TranslateText(button.toolTip)));
    }
}

} // namespace orvan::gui
