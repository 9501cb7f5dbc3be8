#pragma once

#include "billcode/BillCodeCaches.h"
#include "component/ProcessState.h"
#include "editor/EditorState.h"
#include "params/ProfileFlags.h"
#include "support/AccountFixture.h"

namespace orvan::test {

// A fresh demo account published as this process's login and connection string, the
// stand-ins registered, scripted message boxes and the bill-code caches loaded from the
// account.
class BillCodeFixture
    : public AccountFixture<params::ProfileFlags, editor::EditorState, billcode::BillCodeCaches>
{
protected:
    void SetUp() override
    {
        AccountFixture::SetUp();
        component::processState().connectString = account.connectString();
        billcode::billCodeCaches().loadAll();
    }
};

} // namespace orvan::test
