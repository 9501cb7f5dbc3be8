#pragma once

#include "suite/SharedProps.h"
#include "suite/StandIns.h"
#include "support/ProcessSandbox.h"

namespace orvan::test {

// The process sandbox of a test program that links the stand-ins: the registry holds
// them from the start and is left holding them, and no login is published. States are
// the process-wide values of the layers above the component that the program links, each
// a type with a static reset() (params::ProfileFlags, editor::EditorState, ...).
template <class... States>
class SuiteSandbox : public ProcessSandbox
{
public:
    SuiteSandbox()
        : ProcessSandbox(
              Layers{&suite::registerStandIns, {&suite::SharedProps::clearAll, &States::reset...}})
    {}
};

} // namespace orvan::test
