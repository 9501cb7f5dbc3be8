#pragma once

#include <cstdlib>
#include <initializer_list>

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

} // namespace orvan::app
