#include "component/Translation.h"

#include "base/Text.h"

namespace orvan::component {

std::string TranslateText(std::string_view text)
{
    return base::trim(text);
}

std::string messageTitle()
{
    return TranslateText("Tessel提示");
}

} // namespace orvan::component
