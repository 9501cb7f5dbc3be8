#include "suite/OptionAccount.h"

#include "component/LoginContext.h"
#include "component/ProcessState.h"
#include "suite/AppConnection.h"

namespace orvan::suite {

std::shared_ptr<component::ConnectionComponent> accountOfProps(const std::string &props)
{
    const auto connectString = component::parseLoginPropsText(props).value("ConnectString").text();
    if (connectString.empty())
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
