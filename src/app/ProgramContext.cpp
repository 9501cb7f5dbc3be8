#include "app/ProgramContext.h"

#include <iostream>

#include "app/Startup.h"
#include "base/Error.h"
#include "component/AccountReason.h"
#include "component/ComponentRegistry.h"
#include "component/OutsideComponents.h"
#include "component/ProcessState.h"
#include "component/ProgIds.h"
#include "suite/AppConnection.h"

namespace orvan::app {

void reportCommandError(const base::Error &error)
{
    std::cerr << component::userErrorText(error) << "\n";
}

void ProgramContext::start()
{
    if (m_started)
        return;
    m_started = true;
    startComponents(resolveLogin(login));
}

void ProgramContext::guarded(const std::function<void()> &body)
{
    try {
        body();
        if (const auto unsaved = base::takeSwallowedAccountError()) {
            reportCommandError(*unsaved);
            exitCode = 1;
        }
    } catch (const base::Error &error) {
        reportCommandError(error);
        exitCode = 1;
    } catch (const std::exception &error) {
        std::cerr << "orvan-sysmaintain: " << error.what() << "\n";
        exitCode = 1;
    }
}

db::Database &ProgramContext::account()
{
    start();
    auto connection =
        component::ComponentRegistry::instance().createAs<component::ConnectionComponent>(
            component::ProgId::Connection);
    component::processState().connection = connection;
    auto *app = dynamic_cast<suite::AppConnection *>(connection.get());
    if (!app)
        throw base::Error(-1, "the account's connection is not the program's own");
    return app->database();
}

} // namespace orvan::app
