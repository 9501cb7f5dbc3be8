#pragma once

#include <functional>
#include <string>

namespace orvan::mainwindow {

class frmSysMainInface;

// What the maintenance window hands to parts that live elsewhere: the bill numbering
// rules plug in here. An unset hook does nothing.
struct MainWindowHooks
{
    // Loading: the caches of the bill numbering rules.
    std::function<void(frmSysMainInface &)> prepareBillCodeRules;
    // Selecting the bill settings: their options read again.
    std::function<void(frmSysMainInface &)> refreshBillOptions;

    static MainWindowHooks &instance();
};

inline MainWindowHooks &mainWindowHooks()
{
    return MainWindowHooks::instance();
}

} // namespace orvan::mainwindow
