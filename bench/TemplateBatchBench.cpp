// The longest batch the component sends (the secondary-unit template rewrite, switched on
// and off in turn) through the engine versus its compiled SQLite statements run directly
// in one transaction, on a demo account. The ratio is the engine's own cost after the
// first call (compiled batch cached).
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "StatementsFile.h"
#include "db/BatchCompiler.h"
#include "db/SqliteDatabase.h"
#include "suite/DemoAccount.h"

namespace {

using orvan::db::Database;
using orvan::db::SqliteDatabase;

using orvan::bench::statementsBatch;

std::vector<std::string> compiledStatements(const std::string &batch)
{
    std::vector<std::string> statements;
    for (const auto &step : orvan::db::compileBatch(batch).steps)
        statements.push_back(step.sql);
    return statements;
}

struct DemoAccount
{
    DemoAccount()
    {
        path = (std::filesystem::temp_directory_path() /
                ("orvan-template-bench-" + std::to_string(::getpid()) + ".db"))
                   .string();
        orvan::suite::writeAccount(path, true);
        db = std::make_unique<SqliteDatabase>(path);
    }
    ~DemoAccount()
    {
        db.reset();
        for (const auto &suffix : {"", "-wal", "-shm"})
            std::filesystem::remove(path + suffix);
    }
    std::string path;
    std::unique_ptr<SqliteDatabase> db;
};

const char *const SwitchOn = "operation quantities in secondary units switched on";
const char *const SwitchOff = "operation quantities in secondary units switched off";

void BM_TemplateBatch_Engine(benchmark::State &state)
{
    DemoAccount account;
    const std::string batches[2] = {statementsBatch(SwitchOn), statementsBatch(SwitchOff)};
    int turn = 0;
    for (auto _ : state)
        account.db->execute(batches[turn++ % 2]);
}
BENCHMARK(BM_TemplateBatch_Engine);

void BM_TemplateBatch_Native(benchmark::State &state)
{
    DemoAccount account;
    sqlite3 *handle = account.db->handle();
    std::vector<sqlite3_stmt *> prepared[2];
    const std::string batches[2] = {statementsBatch(SwitchOn), statementsBatch(SwitchOff)};
    for (int i = 0; i < 2; ++i) {
        for (const auto &sql : compiledStatements(batches[i])) {
            sqlite3_stmt *statement = nullptr;
            sqlite3_prepare_v2(handle, sql.c_str(), -1, &statement, nullptr);
            prepared[i].push_back(statement);
        }
    }
    int turn = 0;
    for (auto _ : state) {
        sqlite3_exec(handle, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        for (auto *statement : prepared[turn++ % 2]) {
            while (sqlite3_step(statement) == SQLITE_ROW) {
            }
            sqlite3_reset(statement);
        }
        sqlite3_exec(handle, "COMMIT", nullptr, nullptr, nullptr);
    }
    for (auto &statements : prepared)
        for (auto *statement : statements)
            sqlite3_finalize(statement);
}
BENCHMARK(BM_TemplateBatch_Native);

} // namespace
