#include "suite/SystemProfileService.h"

#include "suite/CostAccount.h"

namespace orvan::suite {

std::string SystemProfileService::GetProfile(const std::string &props, const std::string &category,
                                             const std::string &key)
{
    CostAccount account(props);
    const auto row = account.profileRow(category, key);
    return row ? row->value : std::string();
}

} // namespace orvan::suite
