#pragma once

#include "params/ProfileFlags.h"
#include "support/AccountFixture.h"

namespace orvan::test {

// The demo account as the process's connection and login (user 16394), the stand-ins
// registered and scripted message boxes and shell.
class RulesFixture : public AccountFixture<params::ProfileFlags>
{
protected:
    void SetUp() override
    {
        AccountFixture::SetUp();
        connectProcess();
    }
};

} // namespace orvan::test
