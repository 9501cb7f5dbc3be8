#pragma once

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/Program.h"
#include "support/ProgramSandbox.h"

namespace orvan::test {

// What one run of the command line printed, and how it ended.
struct ProgramRun
{
    int exitCode = -1;
    std::string output;
    std::string errors;
};

// Runs the program's command line ("orvan-sysmaintain" is put in front) in this process
// as a fresh process would start, capturing standard output and standard error.
inline ProgramRun runProgramLine(std::vector<std::string> arguments)
{
    ProgramSandbox program;
    arguments.insert(arguments.begin(), "orvan-sysmaintain");
    std::vector<char *> argv;
    for (auto &argument : arguments)
        argv.push_back(argument.data());
    std::ostringstream captured;
    auto *saved = std::cout.rdbuf(captured.rdbuf());
    ::testing::internal::CaptureStderr();
    ProgramRun run;
    run.exitCode = app::runProgram(static_cast<int>(argv.size()), argv.data());
    run.errors = ::testing::internal::GetCapturedStderr();
    std::cout.rdbuf(saved);
    run.output = captured.str();
    return run;
}

} // namespace orvan::test
