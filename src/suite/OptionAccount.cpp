#include "suite/OptionAccount.h"

#include <filesystem>
#include <system_error>

#include "component/ConnectionString.h"
#include "component/LoginContext.h"
#include "component/ProcessState.h"
#include "db/PostgresDatabase.h"
#include "suite/AppConnection.h"

namespace orvan::suite {

namespace {

// Whether the process's own connection is open on the account the connection string
// names: a component then works inside the change the process has begun, where a second
// connection would wait for that change to end.
bool isProcessAccount(const std::string &connectString)
{
    const auto *own = dynamic_cast<AppConnection *>(component::processState().connection.get());
    if (!own || own->path().empty())
        return false;
    std::error_code error;
    const auto named = component::parseConnectionString(connectString);
    if (named.server())
        return own->path() == db::PostgresDatabase::describe(named.serverConnection());
    return named.embedded() && std::filesystem::equivalent(own->path(), named.dataSource, error);
}

} // namespace

std::shared_ptr<component::ConnectionComponent> accountOfProps(const std::string &props)
{
    const auto connectString = component::parseLoginPropsText(props).value("ConnectString").text();
    if (connectString.empty() || isProcessAccount(connectString))
        return processAccount();
    auto account = std::make_shared<AppConnection>(connectString);
    account->database(); // raises the reason the account could not be opened
    return account;
}

std::shared_ptr<component::ConnectionComponent> processAccount()
{
    if (auto connection = component::processState().connection)
        return connection;
    return std::make_shared<AppConnection>();
}

} // namespace orvan::suite
