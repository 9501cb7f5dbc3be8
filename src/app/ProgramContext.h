#pragma once

#include <functional>
#include <string>

#include "app/LoginSource.h"
#include "base/Error.h"

namespace orvan::db {
class Database;
}

namespace orvan::app {

// Tells on standard error why a command failed, in the user's language (for an account
// that refused a change, after the engine's words).
void reportCommandError(const base::Error &error);

// What every command of the program shares: the login options, the start-up of the
// components, and the exit code the command leaves.
struct ProgramContext
{
    LoginOptions login;
    int exitCode = 0;

    // Resolves the login, publishes it for this process and registers the components.
    // Runs once; later calls do nothing.
    void start();

    // Runs a command body; an error it raises is written to standard error and leaves
    // exit code 1 (the command ends with a message, never an abort).
    void guarded(const std::function<void()> &body);

    // Starts, opens the login's account as the process's connection and returns it, for
    // commands that work on the account itself (its history, its settings file).
    db::Database &account();

private:
    bool m_started = false;
};

} // namespace orvan::app
