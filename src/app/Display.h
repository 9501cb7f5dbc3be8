#pragma once

#include <cstdlib>
#include <initializer_list>
#include <string_view>

namespace orvan::app {

// True when a window can be shown: an X or Wayland display, or a Qt platform was named.
inline bool displayAvailable()
{
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char *value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

// True when a window can be shown to somebody who can answer it: a display is available
// and Qt's platform is not one that draws nowhere (offscreen, minimal). A dialog shown on
// such a platform waits for a click that never comes.
inline bool interactiveDisplay()
{
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    const std::string_view name = platform ? platform : "";
    return displayAvailable() && name != "offscreen" && name != "minimal";
}

} // namespace orvan::app
