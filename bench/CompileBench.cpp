// The first compile of a batch beside the runs that follow it, for texts the program sends
// (taken from tests/data/statements.tsql), on a demo account.
//
// BM_FirstCompile/<text>: what a first run adds: the batch compiled and its statements
// prepared, as Database does for a text it has not cached. BM_RunCompiled/<text>: the
// cached batch run through Database::execute as the program runs it (its own transaction,
// rows read).
//
// BM_FirstCompile reports compilePctOfRun (compileBatch alone) and pctOfRun (compiled and
// prepared) against the cached run time of the same text, measured before its timing loop,
// and both times themselves (compileUs, runUs). A run that writes waits for its commit to
// reach the disk, so its run time and ratios vary with the disk. compilePctOfPrepare sets
// the compile against SQLite preparing the statements it yields, timed in the same
// iterations: what a first run costs the embedded database itself. compilePctOfFirstRun sets
// it against the whole first run in SQLite: those prepares and the run.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "StatementsFile.h"
#include "db/BatchCompiler.h"
#include "db/PreparedBatch.h"
#include "db/SqliteDatabase.h"
#include "suite/DemoAccount.h"

namespace {

using orvan::db::Database;
using orvan::db::SqliteDatabase;
using Clock = std::chrono::steady_clock;

using orvan::bench::statementsBatch;

struct BenchText
{
    const char *name;
    const char *description; // the line before the batch in the statements file
};

// Node detail queries, the option value query, an upsert, convert and isnull, a template batch.
constexpr BenchText Texts[] = {
    {"detail_company", "company information with tax, bank and company-code rows"},
    {"detail_bills", "bill settings list"},
    {"detail_periods", "current period status, periods by count of periods"},
    {"option_value", "option value with the user's override"},
    {"upsert", "write a value whether or not its row exists (row present: update)"},
    {"convert", "name of the base currency"},
    {"isnull", "control bits of a bill class"},
    {"template", "operation quantities in secondary units switched on"},
};

class CompileAccount
{
public:
    CompileAccount()
    {
        m_path = (std::filesystem::temp_directory_path() /
                  ("orvan-compile-bench-" + std::to_string(::getpid()) + ".db"))
                     .string();
        orvan::suite::writeAccount(m_path, true);
        db = std::make_unique<SqliteDatabase>(m_path);
    }
    ~CompileAccount()
    {
        db.reset();
        for (const char *suffix : {"", "-wal", "-shm"})
            std::filesystem::remove(m_path + suffix);
    }
    CompileAccount(const CompileAccount &) = delete;
    CompileAccount &operator=(const CompileAccount &) = delete;

    void runCached(const std::string &text)
    {
        auto rows = db->execute(text);
        if (!rows)
            return;
        for (; !rows->isEOF(); rows->MoveNext())
            benchmark::DoNotOptimize(rows->Fields(0).Value());
    }

    std::unique_ptr<SqliteDatabase> db;

private:
    std::string m_path;
};

double nanoseconds(Clock::duration duration)
{
    return static_cast<double>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(duration).count());
}

// Mean time of a cached run of text, over at least 20 ms of runs.
double cachedRunNanoseconds(CompileAccount &account, const std::string &text)
{
    account.runCached(text);
    int runs = 0;
    const auto start = Clock::now();
    auto elapsed = Clock::duration::zero();
    while (elapsed < std::chrono::milliseconds(20)) {
        account.runCached(text);
        ++runs;
        elapsed = Clock::now() - start;
    }
    return nanoseconds(elapsed) / runs;
}

void BM_FirstCompile(benchmark::State &state, const BenchText &text)
{
    CompileAccount account;
    const std::string batch = statementsBatch(text.description);
    const double runTime = cachedRunNanoseconds(account, batch);
    Clock::duration compiling = Clock::duration::zero();
    Clock::duration total = Clock::duration::zero();
    for (auto _ : state) {
        const auto start = Clock::now();
        auto plan = orvan::db::compileBatch(batch);
        const auto compiled = Clock::now();
        orvan::db::PreparedBatch prepared(*account.db, plan);
        const auto end = Clock::now();
        benchmark::DoNotOptimize(prepared.writes());
        compiling += compiled - start;
        total += end - start;
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["pctOfRun"] = 100 * nanoseconds(total) / iterations / runTime;
    state.counters["compilePctOfRun"] = 100 * nanoseconds(compiling) / iterations / runTime;
    state.counters["compilePctOfPrepare"] =
        100 * nanoseconds(compiling) / nanoseconds(total - compiling);
    state.counters["compilePctOfFirstRun"] =
        100 * nanoseconds(compiling) / (nanoseconds(total - compiling) + runTime * iterations);
    state.counters["compileUs"] = nanoseconds(compiling) / iterations / 1000;
    state.counters["runUs"] = runTime / 1000;
}

// The compile alone, for profiling the translation.
void BM_CompileOnly(benchmark::State &state, const BenchText &text)
{
    const std::string batch = statementsBatch(text.description);
    for (auto _ : state)
        benchmark::DoNotOptimize(orvan::db::compileBatch(batch));
}

void BM_RunCompiled(benchmark::State &state, const BenchText &text)
{
    CompileAccount account;
    const std::string batch = statementsBatch(text.description);
    account.runCached(batch);
    for (auto _ : state)
        account.runCached(batch);
}

[[maybe_unused]] const bool Registered = [] {
    for (const BenchText &text : Texts) {
        benchmark::RegisterBenchmark((std::string("BM_FirstCompile/") + text.name).c_str(),
                                     BM_FirstCompile, text);
        benchmark::RegisterBenchmark((std::string("BM_CompileOnly/") + text.name).c_str(),
                                     BM_CompileOnly, text);
        benchmark::RegisterBenchmark((std::string("BM_RunCompiled/") + text.name).c_str(),
                                     BM_RunCompiled, text);
    }
    return true;
}();

} // namespace
