#pragma once

namespace orvan::app {

// The command-line program starts without the window toolkit; what needs a window runs
// the window program installed with it, with the same command line. Without a window
// built in, these tell whether that program is there and hand over to it.

// Notes the command line the window program is to be given.
void rememberCommandLine(int argc, char **argv);

// Whether the window program is installed beside this one.
bool windowProgramAvailable();

// Replaces this process by the window program; returns only when that failed, after
// saying why on standard error, with the exit status to give (2).
int runWindowProgram();

} // namespace orvan::app
