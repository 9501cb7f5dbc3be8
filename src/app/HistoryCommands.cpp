#include "app/HistoryCommands.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

#include "app/ProgramContext.h"
#include "base/Error.h"
#include "db/Database.h"
#include "suite/ChangeHistory.h"

namespace orvan::app {
namespace {

struct HistoryOptions
{
    suite::HistoryQuery query;
    std::string before;
};

constexpr const char *HistoryHeading =
    "time\tuser\tname\tmachine\ttable\trecord\tfield\told\tnew\taction\n";

// A value on one line of the listing.
std::string escaped(const std::string &text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\t')
            out += "\\t";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\\')
            out += "\\\\";
        else
            out += c;
    }
    return out;
}

void runHistory(const HistoryOptions &options, ProgramContext &context)
{
    auto query = options.query;
    if (!query.since.empty()) {
        const auto day = suite::historyDay(query.since);
        if (!day)
            throw base::Error(-1, "--since takes a date as yyyy-mm-dd, not " + query.since);
        query.since = *day;
    }
    auto &account = context.account();
    const auto lines = suite::readHistory(account, query);
    std::cout << HistoryHeading;
    for (const auto &line : lines) {
        for (size_t i = 0; i < line.size(); ++i)
            std::cout << (i ? "\t" : "") << escaped(line[i]);
        std::cout << "\n";
    }
}

void runPrune(const HistoryOptions &options, ProgramContext &context)
{
    auto &account = context.account();
    const auto removed = suite::pruneHistory(account, options.before);
    std::cout << removed << "\n";
}

} // namespace

void addHistoryCommands(CLI::App &cli, ProgramContext &context)
{
    auto options = std::make_shared<HistoryOptions>();
    auto *history = cli.add_subcommand("history", "Print the account's change history, newest "
                                                  "first");
    history->add_option("--key", options->query.key,
                        "Changes of one record key (or its last part) or table");
    history->add_option("--since", options->query.since, "Changes from this date (yyyy-mm-dd)");
    history->add_option("--user", options->query.user, "Changes by this user id");
    history->add_option("--limit", options->query.limit, "At most this many rows")
        ->check(CLI::PositiveNumber);
    history->callback([options, &context, history] {
        if (history->get_subcommands().empty())
            context.guarded([&] { runHistory(*options, context); });
    });
    auto *prune = history->add_subcommand("prune", "Remove the history rows from before a date "
                                                   "(the account administrator's)");
    prune->add_option("--before", options->before, "First date kept (yyyy-mm-dd)")->required();
    prune->callback([options, &context] { context.guarded([&] { runPrune(*options, context); }); });
}

} // namespace orvan::app
