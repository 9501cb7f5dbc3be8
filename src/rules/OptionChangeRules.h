#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "base/Object.h"
#include "base/Variant.h"
#include "component/OptionProfileControl.h"
#include "db/Recordset.h"

namespace orvan::rules {

// What the rules need of the option control that raised the notification.
class OptionControlAccess
{
public:
    virtual ~OptionControlAccess();
    // The control's current value of an option key; while a change of that key is being
    // checked, the value proposed.
    virtual base::Variant currentValue(const std::string &key) = 0;
    // Hands the window's option context to the control.
    virtual void setContext(const base::ObjectPtr &context) = 0;
};

// The maintenance window's reactions to the option control's notifications: per option
// key it checks a proposed value (and may reject it with a message), recalculates
// dependent data, calls stored procedures, rewrites bill-template metadata and mirrors
// alarm options into the user's own rows. One instance lives with each window.
class OptionChangeRules
{
public:
    explicit OptionChangeRules(OptionControlAccess &control);

    // Reads the stored supplier marks and the alarm profile rows (at window load).
    void load();

    // Checks a proposed value; sets cancel to reject it. Errors of the account or of
    // outside components reach the caller.
    void OptionChanging(const std::string &key, const base::Variant &value, bool &cancel);
    // Reacts to an accepted value; errors end the reaction silently.
    void OptionChanged(const std::string &key, const base::Variant &value);
    // Reacts to a stored value.
    void OptionCommitted(const std::string &key, const base::Variant &value);
    // The BOM option and shortage-warning requests.
    void BomOptionRequested();
    void ShortageWarningRequested(const base::ObjectPtr &dictionary);
    // The option-specific notification at position 1..10 of the control's list.
    void OptionSwitched(int position, bool on);

    // Selects a tree node of the window (the quality options after a mark check fails).
    std::function<void(const std::string &key)> selectNode;

    // The options whose details live in another module's dialog open it once stored;
    // an import, which carries the details itself, turns this off.
    bool showDetailDialogs = true;
    bool lastCheckRejected = false;
    bool skipMarkRecheck = false;
    bool alarmSwitchStored = false;
    double savedPassMark = 0;
    double savedTotalMark = 0;
    db::RecordsetPtr lpProfileRows;
    base::ObjectPtr optionContext;

private:
    void checkPassMark(const base::Variant &value, bool &cancel);
    void checkItem4Name(bool &cancel);
    void checkEcnRight(const base::Variant &value, bool &cancel);
    void checkAlarmSwitch(const base::Variant &value, bool &cancel);
    bool checkRange(const std::string &key, const base::Variant &value, bool &cancel);
    void recheckMarks(const std::string &key, const base::Variant &value);
    void rememberAlarmSwitch(const std::string &key);
    bool commitDialog(const std::string &key, const base::Variant &value);
    bool commitRewrite(const std::string &key, const base::Variant &value);
    void mirrorUserOption(const std::string &key, const base::Variant &value);
    void reject(const char *message, bool &cancel);

    OptionControlAccess &m_control;
    std::string m_rejectedKey; // the key whose value a range check refused last
};

// Routes the control's notifications to the rules; afterCheck (when set) runs after each
// check and each reaction to an accepted value.
void routeNotifications(component::OptionProfileControl &control, OptionChangeRules &rules,
                        std::function<void()> afterCheck = {});

// The batches of the rules, for callers that compare or log them.
std::string passMarkSql(double mark);
std::string totalMarkSql(double mark);
std::string closedDispatchSql(bool closedOnly);
std::string userOptionSql(const std::string &key, int32_t userId, int32_t value);
std::string secondUnitSql(bool on);
std::string bondedSql(bool on);
std::string purchaseRateSql(bool passOn);
std::string salesRateSql(bool passOn);

} // namespace orvan::rules
