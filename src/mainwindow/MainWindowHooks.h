#pragma once

#include <functional>
#include <string>

namespace orvan::mainwindow {

class MaintenanceWindow;

// What the maintenance window hands to parts that live elsewhere: the bill numbering
// rules plug in here. An unset hook does nothing.
struct MainWindowHooks
{
    // Loading: the caches of the bill numbering rules.
    std::function<void(MaintenanceWindow &)> prepareBillCodeRules;
    // Selecting the bill settings: their options read again.
    std::function<void(MaintenanceWindow &)> refreshBillOptions;

    static MainWindowHooks &instance();
};

inline MainWindowHooks &mainWindowHooks()
{
    return MainWindowHooks::instance();
}

} // namespace orvan::mainwindow
