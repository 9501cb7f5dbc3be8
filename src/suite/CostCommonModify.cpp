#include "suite/CostCommonModify.h"

#include "suite/CostAccount.h"

namespace orvan::suite {

void CostCommonModify::ModifyFValue(const std::string &props, const std::string &category,
                                    const std::string &key, const std::string &value)
{
    CostAccount account(props);
    account.writeProfileValue(category, key, value);
}

} // namespace orvan::suite
