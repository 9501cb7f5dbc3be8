#pragma once

#include <memory>
#include <string>

#include "component/OptionProfileControl.h"
#include "rules/OptionChangeRules.h"

namespace orvan::mainwindow {

class MaintenanceWindow;

// Connects the window's option-profile control to the option rules: the control's
// notifications run the rules, the rules read the control's values and hand it their
// context, and a rejected check is mirrored into the window's flag.
class OptionBinding : public rules::OptionControlAccess
{
public:
    explicit OptionBinding(MaintenanceWindow &window);

    // Reads what the rules keep from the account (at window load).
    void load() { m_rules.load(); }
    // Routes the control's notifications to the rules.
    void bind(const std::shared_ptr<component::OptionProfileControl> &control);

    base::Variant currentValue(const std::string &key) override;
    void setContext(const base::ObjectPtr &context) override;

    rules::OptionChangeRules &rules() { return m_rules; }

private:
    void mirrorRejection();

    MaintenanceWindow &m_window;
    rules::OptionChangeRules m_rules;
    std::weak_ptr<component::OptionProfileControl> m_control;
};

} // namespace orvan::mainwindow
