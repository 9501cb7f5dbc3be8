#include "component/ProcessState.h"

#include "base/Error.h"
#include "component/Translation.h"

namespace orvan::component {

ProcessState &ProcessState::instance()
{
    static ProcessState state;
    return state;
}

void ProcessState::reset()
{
    instance() = ProcessState{};
    resetLanguageResources();
}

ConnectionComponent &requireConnection()
{
    auto &connection = processState().connection;
    if (!connection)
        throw base::Error(base::ErrorNumber::ObjectVariableNotSet,
                          "The account connection is not open.");
    return *connection;
}

} // namespace orvan::component
