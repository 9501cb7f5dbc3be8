#pragma once

#include "component/CostComponents.h"

namespace orvan::suite {

// "ItemCostCalc.CommonModify" over the account's t_SystemProfile. The value is written
// by one batch (one write transaction), so two programs writing at once leave the value
// of the write that committed last, never a half-written or doubled row.
class CostCommonModify : public component::CostCommonModifyComponent
{
public:
    void ModifyFValue(const std::string &props, const std::string &category, const std::string &key,
                      const std::string &value) override;
};

} // namespace orvan::suite
