#pragma once

#include <sstream>
#include <string>

#include "app/ProgramContext.h"
#include "app/ScriptRunner.h"
#include "support/EngineAccount.h"
#include "support/ProgramSandbox.h"

namespace orvan::test {

struct ScriptRun
{
    std::string output;
    int exitCode = -1;
};

// Runs a script as `orvan-sysmaintain script` does, in a fresh process state, with the
// login's words on the engine's account.
inline ScriptRun runScript(const EngineAccount &account, const std::string &login,
                           const std::string &script)
{
    ProgramSandbox program;
    app::ProgramContext context;
    context.login.login = login;
    context.login.database = account.database();
    std::istringstream in(script);
    std::ostringstream out;
    app::ScriptRunner runner(in, out, context);
    const int exitCode = runner.run();
    return {out.str(), exitCode};
}

} // namespace orvan::test
