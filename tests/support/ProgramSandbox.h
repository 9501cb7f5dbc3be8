#pragma once

#include "billcode/BillCodeCaches.h"
#include "editor/EditorState.h"
#include "params/ProfileFlags.h"
#include "support/SuiteSandbox.h"

namespace orvan::test {

// The sandbox of a program that links every layer.
using ProgramSandbox =
    SuiteSandbox<params::ProfileFlags, editor::EditorState, billcode::BillCodeCaches>;

} // namespace orvan::test
