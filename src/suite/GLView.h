#pragma once

#include <memory>

#include "component/AccountLookup.h"

namespace orvan::suite {

class AppConnection;

// "LedgerView.GLView": the base-data lookups. The account lookup lists t_Account in the
// lookup window "frmAccountLookup", run modally through the process's shell. Reaches
// the account through a connection of its own.
class GLView : public component::LedgerViewComponent
{
public:
    GLView();
    ~GLView() override;

    std::shared_ptr<component::LookupResult>
    AccountLookup(const base::Dictionary &parameters) override;

private:
    std::unique_ptr<AppConnection> m_connection;
};

} // namespace orvan::suite
