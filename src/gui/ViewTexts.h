#pragma once

#include <QString>

#include <string>

namespace orvan::forms {
struct MenuItem;
struct ToolButton;
} // namespace orvan::forms

namespace orvan::gui {

// A text as Qt holds it. The views' own texts are written in Chinese and passed through
// component::TranslateText like every other text of the program.
QString qt(const std::string &text);

// The caption of a menu item at a dotted path ("File", "Edit.Delete"): the item's own
// caption when the window gave it one, else the views' caption for its name.
QString menuCaption(const forms::MenuItem &item);
// The key sequence of a menu item: its own, else the views' default for its name.
QString menuShortcut(const forms::MenuItem &item);
// The caption and tool tip of a toolbar button.
QString toolCaption(const forms::ToolButton &button);

} // namespace orvan::gui
