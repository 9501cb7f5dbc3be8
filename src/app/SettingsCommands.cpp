#include "app/SettingsCommands.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

#include "app/ProgramContext.h"
#include "base/Error.h"
#include "suite/SettingsTransfer.h"

namespace orvan::app {
namespace {

struct SettingsOptions
{
    std::string file;
    std::vector<std::string> scopes;
};

// Writes the text beside the file first, so that a failed write leaves the file as it was.
void writeFile(const std::string &path, const std::string &text)
{
    if (path == "-") {
        std::cout << text;
        return;
    }
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out)
            throw base::Error(-1, "cannot write " + path);
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        throw base::Error(-1, "cannot write " + path);
    }
}

void runExport(const SettingsOptions &options, ProgramContext &context)
{
    writeFile(options.file, suite::exportSettings(context.account(), options.scopes));
}

} // namespace

void addSettingsCommands(CLI::App &cli, ProgramContext &context)
{
    auto options = std::make_shared<SettingsOptions>();
    auto *settings = cli.add_subcommand("settings", "Carry the account's parameters to "
                                                    "another account");
    settings->require_subcommand(1);
    auto *exporting = settings->add_subcommand("export", "Write the parameters as JSON");
    exporting->add_option("FILE", options->file, "The file (- for standard output)")->required();
    exporting->add_option("--scope", options->scopes, "What to write (default all)")
        ->delimiter(',');
    exporting->callback(
        [options, &context] { context.guarded([&] { runExport(*options, context); }); });
}

} // namespace orvan::app
