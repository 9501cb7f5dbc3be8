#pragma once

#include "component/CostComponents.h"

namespace orvan::suite {

// "CoreSvc.SystemProfile": a value of the account's t_SystemProfile as text.
class SystemProfileService : public component::SystemProfileComponent
{
public:
    std::string GetProfile(const std::string &props, const std::string &category,
                           const std::string &key) override;
};

} // namespace orvan::suite
