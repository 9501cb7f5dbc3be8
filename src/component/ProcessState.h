#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "base/Dictionary.h"
#include "component/OutsideComponents.h"

namespace orvan::component {

class clsDelPlan;

// Windows and flows that live in layers above this one; the program installs them at
// start-up. Until then the public classes run without them (nothing opens).
struct ProcessHooks
{
    // Creates, loads, shows modally and unloads the maintenance window.
    std::function<void()> runMaintenanceWindow;
    // Runs the bill-closing window modally and returns its ReturnCode.
    std::function<int32_t()> runCloseBillWindow;
    // Reads one option value: -1 undefined or unreadable, 0 or 1.
    std::function<int32_t(const std::string &key)> readOptionValue;
    // Cleans or re-times the forecast plans for a clsDelPlan, raising its events.
    std::function<void(clsDelPlan &)> cleanTablesOfPlan;
};

// The process-wide values every part of the library shares. There is one instance per
// process; tests reset it between cases.
struct ProcessState
{
    std::shared_ptr<ConnectionComponent> connection;
    base::Dictionary loginProps{base::CompareMode::Text};
    std::string rawLoginProps; // the property string last parsed
    std::string connectString;
    std::string helpSystem;
    int32_t sysClass = 0;
    int32_t classTypeId = 0;
    bool printControl = false;
    std::string systemId;
    std::string language;
    // The login's "OrvanVersion", read once per published login ("" when it has none).
    std::optional<std::string> edition;
    // The node whose content the maintenance window shows, and its help set code.
    std::string currentNodeKey;
    std::string helpSetCode;
    // What the change history names as the action while it is set (a settings import);
    // the command, the script or the window's node otherwise.
    std::string changeAction;

    std::shared_ptr<RightsComponent> rightsComponent;  // created on the first rights check
    std::shared_ptr<SharedPropsComponent> sharedProps; // created on the first login read
    std::shared_ptr<HelpComponent> helpComponent;      // created on the first F1

    // Live SysFace instances; the shared connection is released with the last one.
    int liveSysFaces = 0;

    ProcessHooks hooks;

    static ProcessState &instance();
    // Back to a fresh process (hooks included).
    static void reset();
};

inline ProcessState &processState()
{
    return ProcessState::instance();
}

// The process's connection to the account; raises base::Error ObjectVariableNotSet (91)
// when none is open.
ConnectionComponent &requireConnection();

} // namespace orvan::component
