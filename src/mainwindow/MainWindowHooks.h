#pragma once

#include <functional>
#include <string>

namespace orvan::mainwindow {

class frmSysMainInface;

// What the maintenance window hands to parts that live elsewhere: the record editor, the
// record commands and the option rules plug in here. An unset hook does nothing.
struct MainWindowHooks
{
    // Runs the record editor modally on the window's current row.
    std::function<void(frmSysMainInface &)> runEditor;
    // The Add and Delete record commands.
    std::function<void(frmSysMainInface &)> addRecord;
    std::function<void(frmSysMainInface &)> deleteRecord;
    // Loading: the option-state reset and the bill numbering rules.
    std::function<void(frmSysMainInface &)> resetOptionState;
    std::function<void(frmSysMainInface &)> prepareBillCodeRules;

    static MainWindowHooks &instance();
};

inline MainWindowHooks &mainWindowHooks()
{
    return MainWindowHooks::instance();
}

} // namespace orvan::mainwindow
