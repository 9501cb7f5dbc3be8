#include "app/AccountCommands.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <functional>
#include <iostream>
#include <iterator>

#include "app/LoginSource.h"
#include "app/ProgramContext.h"
#include "base/DataFiles.h"
#include "base/Error.h"
#include "component/ComponentRegistry.h"
#include "component/ConnectionString.h"
#include "component/OutsideComponents.h"
#include "component/ProgIds.h"
#include "db/Recordset.h"
#include "suite/DemoAccount.h"

namespace orvan::app {
namespace {

struct InitDemoOptions
{
    std::string path;
    bool force = false;
    bool ifMissing = false;
};

void runInitDemo(const InitDemoOptions &options, ProgramContext &context)
{
    // Without PATH the file --db names is written, else the default demo account.
    auto path = options.path;
    if (path.empty())
        path = context.login.database.value_or(defaultDemoAccountPath());
    if (component::isServerAddress(path)) {
        const auto connection =
            component::parseConnectionString(component::serverConnectString(path));
        if (suite::writeServerAccount(connection.serverConnection(), options.force,
                                      options.ifMissing))
            std::cout << "demo account written to " << path << "\n";
        context.exitCode = 0;
        return;
    }
    if (options.ifMissing && std::filesystem::exists(path))
        return;
    suite::writeAccount(path, options.force);
    std::cout << "demo account written to " << path << "\n";
    context.exitCode = 0;
}

std::string readBatch(const std::optional<std::string> &text)
{
    if (text)
        return *text;
    std::cin >> std::noskipws;
    return std::string(std::istreambuf_iterator<char>(std::cin), {});
}

void runSql(const std::optional<std::string> &text, ProgramContext &context)
{
    const auto batch = readBatch(text);
    context.start();
    auto connection =
        component::ComponentRegistry::instance().createAs<component::ConnectionComponent>(
            component::ProgId::Connection);
    if (auto rows = connection->Execute(batch))
        printRecordset(std::cout, *rows);
}

} // namespace

void printRecordset(std::ostream &out, db::Recordset &rows)
{
    for (int i = 0; i < rows.fieldCount(); ++i)
        out << (i ? "\t" : "") << rows.fieldName(i);
    out << "\n";
    if (rows.RecordCount() > 0)
        rows.MoveFirst();
    for (; !rows.isEOF(); rows.MoveNext()) {
        for (int i = 0; i < rows.fieldCount(); ++i) {
            const auto value = rows.Fields(i).Value();
            out << (i ? "\t" : "") << (value.isNull() ? std::string("NULL") : value.text());
        }
        out << "\n";
    }
}

void addAccountCommands(CLI::App &cli, ProgramContext &context)
{
    auto initOptions = std::make_shared<InitDemoOptions>();
    auto *init = cli.add_subcommand("init-demo", "Write the demo account database");
    init->add_option("PATH", initOptions->path,
                     "Account file (default: the --db file, else the demo account)");
    init->add_flag("--force", initOptions->force, "Replace an existing file");
    init->add_flag("--if-missing", initOptions->ifMissing, "Do nothing when the file exists");
    init->callback(
        [initOptions, &context] { context.guarded([&] { runInitDemo(*initOptions, context); }); });

    auto sqlText = std::make_shared<std::optional<std::string>>();
    auto *sql = cli.add_subcommand("sql", "Run one SQL batch on the account (standard input "
                                          "when TEXT is absent) and print its rows");
    sql->add_option("TEXT", *sqlText, "The batch");
    sql->callback([sqlText, &context] { context.guarded([&] { runSql(*sqlText, context); }); });
}

} // namespace orvan::app
