#include "gui/ViewTexts.h"

#include <array>

#include "base/Text.h"
#include "component/Translation.h"
#include "forms/Menu.h"
#include "forms/Toolbar.h"

namespace orvan::gui {
namespace {

bool englishLogin()
{
    return component::LanguageColumn("x") == "x_EN";
}

} // namespace

QString qt(const std::string &text)
{
    return QString::fromStdString(text);
}

QString viewText(const char *chinese, const char *english)
{
    const auto translated = component::TranslateText(chinese);
    if (translated == chinese && englishLogin())
        return QString::fromUtf8(english);
    return qt(translated);
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
