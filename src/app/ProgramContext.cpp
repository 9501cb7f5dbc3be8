#include "app/ProgramContext.h"

#include <iostream>

#include "app/Startup.h"
#include "base/Error.h"

namespace orvan::app {

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
            std::cerr << "orvan-sysmaintain: the account was not changed: " << *unsaved << "\n";
            exitCode = 1;
        }
    } catch (const base::Error &error) {
        std::cerr << error.description() << "\n";
        exitCode = 1;
    } catch (const std::exception &error) {
        std::cerr << "orvan-sysmaintain: " << error.what() << "\n";
        exitCode = 1;
    }
}

} // namespace orvan::app
