#include "component/ProcessState.h"

namespace orvan::component {

ProcessState &ProcessState::instance()
{
    static ProcessState state;
    return state;
}

void ProcessState::reset()
{
    instance() = ProcessState{};
}

} // namespace orvan::component
