#include "component/ProcessState.h"

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

} // namespace orvan::component
