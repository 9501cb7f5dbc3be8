#include "app/SettingsCommands.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

#include "app/ProgramContext.h"
#include "base/Error.h"
#include "transfer/SettingsFile.h"
#include "transfer/SettingsImport.h"

namespace orvan::app {
namespace {

struct SettingsOptions
{
    std::string file;
    std::vector<std::string> scopes;
    bool dryRun = false;
};

void runExport(const SettingsOptions &options, ProgramContext &context)
{
    context.account();
    transfer::writeSettingsText(options.file, transfer::exportSettings(options.scopes));
}

void reportImport(const transfer::ImportReport &report, bool dryRun)
{
    std::cout << transfer::importListing(report);
    for (const auto &change : report.changes)
        for (const auto &note : change.notes)
            std::cerr << "note: " << change.entry.table << " " << change.entry.record() << " "
                      << change.entry.field << ": " << note << "\n";
    for (const auto &entry : report.kept)
        std::cerr << "kept: " << entry.table << " " << entry.record() << " " << entry.field
                  << ": the account's own calendar is not imported\n";
    for (const auto &refusal : report.refused)
        std::cerr << "refused: " << refusal.entry.table << " " << refusal.entry.record() << " "
                  << refusal.entry.field << ": " << refusal.reason << "\n";
    const auto count =
        std::to_string(report.changes.size()) + (report.changes.size() == 1 ? " value" : " values");
    if (!report.refused.empty())
        throw base::Error(-1, "nothing was imported: " + std::to_string(report.refused.size()) +
                                  " entries are refused");
    if (dryRun)
        std::cerr << "dry run: " << count << " would change; nothing was written\n";
    else
        std::cerr << count << " imported\n";
}

void runImport(const SettingsOptions &options, ProgramContext &context)
{
    const auto file = transfer::parseSettingsFile(transfer::readSettingsText(options.file));
    context.account();
    reportImport(transfer::importSettings(file, options.dryRun), options.dryRun);
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
    auto *importing = settings->add_subcommand(
        "import", "Take the parameters of a settings file, all of them or none");
    importing->add_option("FILE", options->file, "The file (- for standard input)")->required();
    importing->add_flag("--dry-run", options->dryRun,
                        "List what would change and what is refused; write nothing");
    importing->callback(
        [options, &context] { context.guarded([&] { runImport(*options, context); }); });
}

} // namespace orvan::app
