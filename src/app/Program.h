#pragma once

namespace orvan::app {

// The orvan-sysmaintain command line: parses options, publishes the login, registers
// the components and runs what was asked for. Returns the process exit code.
int runProgram(int argc, char **argv);

} // namespace orvan::app
