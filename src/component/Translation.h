#pragma once

#include <string>
#include <string_view>

namespace orvan::component {

// The text in the login's language. Keys are the simplified-Chinese texts; until the
// language resources are loaded every language shows the text as written.
std::string TranslateText(std::string_view text);

// The title of the system's message boxes.
std::string messageTitle();

} // namespace orvan::component
