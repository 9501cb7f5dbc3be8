#pragma once

#include <QString>

#include <string>

namespace orvan::forms {
struct MenuItem;
struct ToolButton;
} // namespace orvan::forms

namespace orvan::gui {

QString qt(const std::string &text);

// A text of the views in the login's language: the Chinese text through the language
// resources; for an English login whose catalog lacks it, the English text given.
QString viewText(const char *chinese, const char *english);

// The caption of a menu item at a dotted path ("File", "Edit.Delete"): the item's own
// caption when the window gave it one, else the views' caption for its name.
QString menuCaption(const forms::MenuItem &item);
// The key sequence of a menu item: its own, else the views' default for its name.
QString menuShortcut(const forms::MenuItem &item);
// The caption and tool tip of a toolbar button.
QString toolCaption(const forms::ToolButton &button);

} // namespace orvan::gui
