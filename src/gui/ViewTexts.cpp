#include "gui/ViewTexts.h"

#include "component/Translation.h"
#include "forms/Menu.h"
#include "forms/Toolbar.h"

namespace orvan::gui {

QString qt(const std::string &text)
{
    return QString::fromStdString(text);
}

QString menuCaption(const forms::MenuItem &item)
{
    return qt(item.caption.empty() ? item.name : component::TranslateText(item.caption));
}

QString menuShortcut(const forms::MenuItem &item)
{
    return qt(item.shortcut);
}

QString toolCaption(const forms::ToolButton &button)
{
    return qt(button.caption.empty() ? button.key : component::TranslateText(button.caption));
}

} // namespace orvan::gui
