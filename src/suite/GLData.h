#pragma once

#include <memory>

#include "component/OutsideComponents.h"

namespace orvan::suite {

class AppConnection;

// "LedgerView.GLData": rights kept in the account's t_UserRight table. The logged-in
// user holds (object, right, mask) when their row for the object and right has every
// bit of mask in FMask. Reaches the account through a connection of its own.
class GLData : public component::RightsComponent
{
public:
    GLData();
    ~GLData() override;

    bool AccessCheck(int32_t objectId, int32_t rightId, int32_t mask) override;

private:
    std::unique_ptr<AppConnection> m_connection;
};

} // namespace orvan::suite
