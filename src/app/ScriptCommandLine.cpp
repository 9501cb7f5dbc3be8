#include "app/ScriptCommandLine.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <fstream>
#include <iostream>

#include "app/ProgramContext.h"
#include "app/ScriptRunner.h"

namespace orvan::app {

void addScriptCommand(CLI::App &cli, ProgramContext &context)
{
    auto file = std::make_shared<std::string>();
    auto *script = cli.add_subcommand(
        "script", "Drive the windows without a display from a script of user actions "
                  "(standard input when FILE is absent; see docs/scripting.md)");
    script->add_option("FILE", *file, "Script file");
    script->callback([file, &context] {
        if (file->empty()) {
            ScriptRunner runner(std::cin, std::cout, context);
            context.exitCode = runner.run();
            return;
        }
        std::error_code error;
        std::ifstream in(*file);
        if (std::filesystem::is_directory(*file, error) || !in) {
            std::cerr << "script: cannot read " << *file
                      << (std::filesystem::is_directory(*file, error) ? ": it is a folder" : "")
                      << "\n";
            context.exitCode = 1;
            return;
        }
        ScriptRunner runner(in, std::cout, context);
        context.exitCode = runner.run();
    });
}

} // namespace orvan::app
