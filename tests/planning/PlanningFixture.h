#pragma once

#include "component/ComponentRegistry.h"
#include "component/PublicClasses.h"
#include "planning/PlanCleanup.h"
#include "support/AccountFixture.h"

namespace orvan::test {

// The demo account with its forecast plans as the process's connection, the public
// classes registered, the forecast procedures installed, scripted messages and shell.
class PlanningFixture : public AccountFixture<>
{
protected:
    void SetUp() override
    {
        AccountFixture::SetUp();
        component::registerPublicClasses(component::ComponentRegistry::instance());
        planning::installPlanning();
        connectProcess(); // after the procedures: a connection gets those installed
    }
};

} // namespace orvan::test
