#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "base/Dictionary.h"
#include "base/Object.h"
#include "base/Variant.h"
#include "forms/OptionSheet.h"

namespace orvan::component {

namespace ProgId {
inline constexpr const char *OptionProfile = "OrvanICSystemProfile.ICSysPro";
inline constexpr const char *CalculationParameters = "OrvanCalPara.ctrl";
inline constexpr const char *CostCalculationParameters = "OrvanCalPara.ctrlCost";
} // namespace ProgId

// What the option-profile control tells the window that hosts it. An unset handler is
// not called. OptionChanging may set cancel to keep the old value.
struct OptionProfileEvents
{
    std::function<void(const std::string &key, const base::Variant &value, bool &cancel)>
        OptionChanging;
    std::function<void(const std::string &key, const base::Variant &value)> OptionChanged;
    std::function<void(const std::string &key, const base::Variant &value)> OptionCommitted;
    std::function<void()> BomOptionRequest;
    // Carries a dictionary (entries "Category" and "Key") describing the request.
    std::function<void(const base::ObjectPtr &request)> ShortageWarningRequest;
    // The option-specific notifications, by their position 1..10 in the control's list,
    // with the option's new value.
    std::function<void(int position, bool value)> OptionSwitched;
};

// The option-profile control: shows one page of module options (by page code) and stores
// an accepted change itself.
class OptionProfileControl : public base::Object
{
public:
    virtual void setEvents(OptionProfileEvents events) = 0;

    virtual void setPageCode(int32_t pageCode) = 0; // 0x68030000
    virtual int32_t pageCode() const = 0;
    virtual void setAlarmCategory(const std::string &category) = 0; // 0x40030007
    virtual std::string alarmCategory() const = 0;
    virtual void setAlarmUser(int32_t userId) = 0; // 0x40030008

    virtual void ShowPage() = 0;                                   // 0x60030001
    virtual void LeavePage() = 0;                                  // 0x60030002
    virtual void PrintPage(int32_t &mode) = 0;                     // 0x60030003: 0 preview, 1 print
    virtual base::Variant OptionValue(const std::string &key) = 0; // 0x60030011

    // The rows of the page shown, for views.
    virtual forms::OptionSheet &sheet() = 0;
    // The user's edit of an option of the page shown: checked against its kind and
    // limits (a message names what is wrong), offered to the window, stored once
    // accepted. Returns whether the value was taken.
    virtual bool ChangeOption(const std::string &key, const std::string &typed) = 0;
    // Hands the window's option context to the control.
    virtual void setContext(const base::ObjectPtr &context) = 0;
};

// A calculation-parameter control: shows and stores its own parameter rows.
class CalculationParameterControl : public base::Object
{
public:
    // The general control's load method (0x60030002) and the cost control's method 0x60030003.
    virtual void LoadParameters() = 0;
    virtual void Preview() = 0;
    virtual void Print() = 0;

    // The parameter rows shown, for views.
    virtual forms::OptionSheet &sheet() = 0;
    // The user's edit of a parameter: checked against its kind and limits (a message
    // names what is wrong) and stored. Returns whether the value was taken.
    virtual bool ChangeValue(const std::string &key, const std::string &typed) = 0;
};

} // namespace orvan::component
