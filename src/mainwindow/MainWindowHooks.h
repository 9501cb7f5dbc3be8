#pragma once

#include <functional>
#include <string>

namespace orvan::mainwindow {

class frmSysMainInface;

// What the maintenance window hands to parts that live elsewhere: the bill numbering
// rules plug in here. An unset hook does nothing.
struct MainWindowHooks
{
    // Loading (and the first click on the bill settings): the bill numbering rules.
    std::function<void(frmSysMainInface &)> prepareBillCodeRules;

    static MainWindowHooks &instance();
};

inline MainWindowHooks &mainWindowHooks()
{
    return MainWindowHooks::instance();
}

} // namespace orvan::mainwindow
