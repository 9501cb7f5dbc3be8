#pragma once

#include <cstdint>

#include "base/Object.h"

namespace orvan::component {

// Which class of parameters the maintenance window shows.
enum Enu_SysClass : int32_t {
    sys_sysparameter = 0,
    sys_checkparameter = 1,
    sys_planparameter = 2,
    sys_All = 3,
    sys_alarmparameter = 4,
    sys_arapParameter = 5,
};

// How forecast plans are re-timed.
enum Enu_AdjustPlan : int32_t {
    ByPlanStartDate = 0,
    ByTZCount = 1,
};

// Carries the two enumerations in the type library; it has no members.
class SysEnum : public base::Object
{
public:
    const base::InterfaceInfo *typeInfo() const override;
};

// Public class without members, kept for hosts that create it.
class BillCodeRule : public base::Object
{
public:
    const base::InterfaceInfo *typeInfo() const override;
};

} // namespace orvan::component
