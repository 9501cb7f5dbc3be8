#include "app/ProgramContext.h"

#include <iostream>

#include "app/Startup.h"
#include "base/Error.h"
#include "component/AccountReason.h"

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

} // namespace orvan::app
