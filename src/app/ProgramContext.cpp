#include "app/ProgramContext.h"

#include "app/Startup.h"

namespace orvan::app {

void ProgramContext::start()
{
    if (m_started)
        return;
    m_started = true;
    startComponents(resolveLogin(login));
}

} // namespace orvan::app
