#pragma once

#include <string>

#include "app/LoginSource.h"

namespace orvan::app {

// What every command of the program shares: the login options, the start-up of the
// components, and the exit code the command leaves.
struct ProgramContext
{
    LoginOptions login;
    int exitCode = 0;

    // Resolves the login, publishes it for this process and registers the components.
    // Runs once; later calls do nothing.
    void start();

private:
    bool m_started = false;
};

} // namespace orvan::app
