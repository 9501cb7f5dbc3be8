// The maintenance window, headless, on a large account: opening it and clicking each node
// that fills the list, each beside plain SQLite running the same query text on the same
// file. Pairs share a label:
//   BM_Open/<class>            construct + load(), as SysFace.Show does before showing
//   BM_SqliteAll/open-<class>  every query that open ran, in plain SQLite
//   BM_OpenAsProgram/<class>   the same with every component and hook the program starts
//   BM_SqliteAll/program-<class>  every query that open ran, in plain SQLite
//   BM_Click/<key>             select and click the node (another node in between, untimed)
//   BM_SqliteOnly/<key>        the node's detail query, in plain SQLite
//   BM_DetailQuery/<key>       the node's detail query through the window's connection
//   BM_SqliteAll/<key>         every query the click ran, in plain SQLite
//   BM_PairedClick/<key>, BM_PairedOpen/[program-]<class>
//                              the window's work and its statements in plain SQLite in turn
//                              in every iteration; the counter "ratio" is window ÷ SQLite
// The window side is timed on the steady clock around the timed work alone, the SQLite
// side in real time.
// Plain SQLite prepares once, then per run steps every row and reads every column, each
// batch in its own transaction as the engine applies it. The SQLite text is the engine's
// own translation of the window's T-SQL (db::compileBatch), so both sides run the same
// statements. Every batch any connection of the process runs is recorded, side connections
// of the components included. The account is generated once per process and removed at exit.
#include "LargeAccount.h"
#include "WindowSession.h"

#include "app/Startup.h"
#include "component/ComponentRegistry.h"
#include "component/ProcessState.h"
#include "component/Translation.h"
#include "db/BatchCompiler.h"
#include "db/SqliteDatabase.h"
#include "forms/Messages.h"
#include "mainwindow/MainWindowHooks.h"
#include "mainwindow/MaintenanceWindow.h"
#include "params/NodeTable.h"
#include "params/ParameterTree.h"
#include "params/ProfileFlags.h"
#include "params/ProfileStore.h"
#include "suite/AppConnection.h"
#include "suite/SharedProps.h"
#include "suite/StandIns.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace orvan;
using bench::largeAccount;
using bench::Start;
using bench::timeIteration;
using bench::WindowSession;

// Notes the text of every batch the process runs, on any connection, while it lives.
class BatchRecording
{
public:
    explicit BatchRecording(std::vector<std::string> &batches)
    {
        db::Database::observeBatches(
            [&batches](std::string_view batch) { batches.emplace_back(batch); });
    }
    ~BatchRecording() { db::Database::observeBatches(nullptr); }
    BatchRecording(const BatchRecording &) = delete;
    BatchRecording &operator=(const BatchRecording &) = delete;
};

// A node that fills the list, in a class whose tree holds it, and a node of the same tree
// clicked in between (a second click on the same node reloads nothing).
struct NodeCase
{
    const char *key;
    int32_t sysClass;
    const char *other;
};

constexpr NodeCase NodeCases[] = {
    {"sys1", 0, "sys4"}, {"sys2", 0, "sys1"}, {"sys4", 0, "sys1"}, {"sys9", 0, "sys1"},
    {"au1", 3, "All1"},  {"au2", 3, "All1"},  {"au21", 3, "All1"}, {"au22", 3, "All1"},
    {"au3", 3, "All1"},  {"pL1", 3, "All2"},
};

constexpr int32_t OpenClasses[] = {0, 3};

// The batches a window ran: its open, or one click on a node.
struct RecordedQueries
{
    std::string detailSql;               // the node's detail query ("" for an open)
    std::vector<std::string> allBatches; // in the order they ran
    std::string error;                   // a message the window showed
};

// Records on a window that already opened and clicked once, so that rows created on first
// use exist and only the steady work is noted.
RecordedQueries recordClick(const NodeCase &node)
{
    WindowSession session;
    auto window = session.open(node.sysClass);
    window->selectAndClick(node.key);
    window->selectAndClick(node.other);
    RecordedQueries recorded;
    {
        BatchRecording recording(recorded.allBatches);
        window->selectAndClick(node.key);
    }
    if (const auto *treeNode = window->tree.find(node.key))
        params::ParameterTree().GetDetailSql(params::detailKindOf(node.key), treeNode->tag,
                                             recorded.detailSql);
    recorded.error = session.firstMessage();
    return recorded;
}

RecordedQueries recordOpen(int32_t sysClass, Start start)
{
    WindowSession session(start);
    session.open(sysClass);
    RecordedQueries recorded;
    {
        BatchRecording recording(recorded.allBatches);
        session.open(sysClass);
    }
    recorded.error = session.firstMessage();
    return recorded;
}

// T-SQL batches compiled by the engine, prepared once on a plain connection and run with
// nothing but the SQLite C API.
class NativeBatches
{
public:
    NativeBatches(const std::string &path, const std::vector<std::string> &batches)
        : m_account(path)
    {
        for (const auto &batch : batches)
            m_batches.push_back(prepareBatch(db::compileBatch(batch).steps));
    }

    ~NativeBatches()
    {
        for (sqlite3_stmt *statement : m_prepared)
            sqlite3_finalize(statement);
    }

    NativeBatches(const NativeBatches &) = delete;
    NativeBatches &operator=(const NativeBatches &) = delete;

    // Runs every batch; returns the number of rows read.
    long run()
    {
        long rows = 0;
        for (const auto &batch : m_batches) {
            exec(batch.writes ? "BEGIN IMMEDIATE" : "BEGIN");
            rows += runSteps(batch.steps);
            exec("COMMIT");
        }
        return rows;
    }

    int skippedCalls() const { return m_skippedCalls; }

private:
    struct Step
    {
        bool condition = false;
        sqlite3_stmt *statement = nullptr;
        std::vector<Step> thenSteps;
        std::vector<Step> elseSteps;
    };

    struct Batch
    {
        std::vector<Step> steps;
        bool writes = false;
    };

    Batch prepareBatch(const std::vector<db::PlanStep> &plan)
    {
        Batch batch;
        batch.steps = prepareSteps(plan, batch.writes);
        return batch;
    }

    std::vector<Step> prepareSteps(const std::vector<db::PlanStep> &plan, bool &writes)
    {
        std::vector<Step> steps;
        for (const auto &planned : plan) {
            if (planned.kind == db::PlanStep::Kind::Call) {
                ++m_skippedCalls; // registered C++ procedures have no plain SQLite form
                continue;
            }
            Step step;
            step.condition = planned.kind == db::PlanStep::Kind::Condition;
            step.statement = prepare(planned.sql);
            writes = writes || !sqlite3_stmt_readonly(step.statement);
            step.thenSteps = prepareSteps(planned.thenSteps, writes);
            step.elseSteps = prepareSteps(planned.elseSteps, writes);
            steps.push_back(std::move(step));
        }
        return steps;
    }

    sqlite3_stmt *prepare(const std::string &sql)
    {
        sqlite3_stmt *statement = nullptr;
        if (sqlite3_prepare_v2(m_account.handle(), sql.c_str(), -1, &statement, nullptr) !=
            SQLITE_OK)
            throw std::runtime_error(std::string(sqlite3_errmsg(m_account.handle())) + ": " + sql);
        m_prepared.push_back(statement);
        return statement;
    }

    long runSteps(const std::vector<Step> &steps)
    {
        long rows = 0;
        for (const auto &step : steps) {
            if (!step.condition) {
                rows += readAll(step.statement);
                continue;
            }
            bool holds = false;
            if (sqlite3_step(step.statement) == SQLITE_ROW)
                holds = sqlite3_column_int(step.statement, 0) != 0;
            sqlite3_reset(step.statement);
            rows += runSteps(holds ? step.thenSteps : step.elseSteps);
        }
        return rows;
    }

    // Steps every row and reads every column in its stored type.
    static long readAll(sqlite3_stmt *statement)
    {
        long rows = 0;
        const int columns = sqlite3_column_count(statement);
        while (sqlite3_step(statement) == SQLITE_ROW) {
            ++rows;
            for (int i = 0; i < columns; ++i)
                readColumn(statement, i);
        }
        sqlite3_reset(statement);
        return rows;
    }

    static void readColumn(sqlite3_stmt *statement, int i)
    {
        switch (sqlite3_column_type(statement, i)) {
        case SQLITE_INTEGER:
            benchmark::DoNotOptimize(sqlite3_column_int64(statement, i));
            break;
        case SQLITE_FLOAT:
            benchmark::DoNotOptimize(sqlite3_column_double(statement, i));
            break;
        case SQLITE_TEXT:
            benchmark::DoNotOptimize(sqlite3_column_text(statement, i));
            benchmark::DoNotOptimize(sqlite3_column_bytes(statement, i));
            break;
        case SQLITE_BLOB:
            benchmark::DoNotOptimize(sqlite3_column_blob(statement, i));
            benchmark::DoNotOptimize(sqlite3_column_bytes(statement, i));
            break;
        default:
            break;
        }
    }

    void exec(const char *sql)
    {
        if (sqlite3_exec(m_account.handle(), sql, nullptr, nullptr, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(m_account.handle()));
    }

    // The engine's connection, for its text collation; only its handle is used.
    db::SqliteDatabase m_account;
    std::vector<Batch> m_batches;
    std::vector<sqlite3_stmt *> m_prepared;
    int m_skippedCalls = 0;
};

void runNative(benchmark::State &state, const std::vector<std::string> &batches)
{
    try {
        NativeBatches native(largeAccount().path(), batches);
        long rows = 0;
        for (auto _ : state)
            rows = native.run();
        state.counters["rows"] = static_cast<double>(rows);
        state.counters["batches"] = static_cast<double>(batches.size());
        if (native.skippedCalls() > 0)
            state.counters["skippedCalls"] = native.skippedCalls();
    } catch (const std::exception &error) {
        state.SkipWithError(error.what());
    }
}

void sqliteDetail(benchmark::State &state, const NodeCase &node)
{
    const auto recorded = recordClick(node);
    if (!recorded.error.empty())
        state.SkipWithError(recorded.error.c_str());
    else
        runNative(state, {recorded.detailSql});
}

void sqliteClick(benchmark::State &state, const NodeCase &node)
{
    const auto recorded = recordClick(node);
    if (!recorded.error.empty())
        state.SkipWithError(recorded.error.c_str());
    else
        runNative(state, recorded.allBatches);
}

void sqliteOpen(benchmark::State &state, int32_t sysClass, Start start)
{
    const auto recorded = recordOpen(sysClass, start);
    if (!recorded.error.empty())
        state.SkipWithError(recorded.error.c_str());
    else
        runNative(state, recorded.allBatches);
}

void windowClick(benchmark::State &state, const NodeCase &node)
{
    WindowSession session;
    auto window = session.open(node.sysClass);
    window->selectAndClick(node.key);
    for (auto _ : state) {
        window->selectAndClick(node.other);
        timeIteration(state, [&] { window->selectAndClick(node.key); });
    }
    if (window->selectedKey() != node.key || component::processState().currentNodeKey != node.key)
        state.SkipWithError("the node was not selected");
    else if (const auto message = session.firstMessage(); !message.empty())
        state.SkipWithError(message.c_str());
    state.counters["gridRows"] = window->list.rowCount();
}

// Seconds since start, and start moved to now.
double lap(std::chrono::steady_clock::time_point &start)
{
    const auto now = std::chrono::steady_clock::now();
    const double seconds = std::chrono::duration<double>(now - start).count();
    start = now;
    return seconds;
}

// The window's work and the same statements in plain SQLite, timed in turn in every
// iteration, so that the machine's drift touches both alike. Reports their ratio; the
// iteration time is the window's.
class PairedTimes
{
public:
    template <typename Window, typename Native>
    void time(benchmark::State &state, Window &&window, Native &&native)
    {
        auto start = std::chrono::steady_clock::now();
        window();
        const double windowSeconds = lap(start);
        native();
        m_native += lap(start);
        m_window += windowSeconds;
        state.SetIterationTime(windowSeconds);
    }

    void report(benchmark::State &state) const
    {
        if (m_native > 0)
            state.counters["ratio"] = m_window / m_native;
    }

private:
    double m_window = 0;
    double m_native = 0;
};

void pairedClick(benchmark::State &state, const NodeCase &node)
{
    const auto recorded = recordClick(node);
    if (!recorded.error.empty()) {
        state.SkipWithError(recorded.error.c_str());
        return;
    }
    NativeBatches native(largeAccount().path(), recorded.allBatches);
    WindowSession session;
    auto window = session.open(node.sysClass);
    window->selectAndClick(node.key);
    PairedTimes times;
    for (auto _ : state) {
        window->selectAndClick(node.other);
        times.time(
            state, [&] { window->selectAndClick(node.key); }, [&] { native.run(); });
    }
    times.report(state);
}

void pairedOpen(benchmark::State &state, int32_t sysClass, Start start)
{
    const auto recorded = recordOpen(sysClass, start);
    if (!recorded.error.empty()) {
        state.SkipWithError(recorded.error.c_str());
        return;
    }
    NativeBatches native(largeAccount().path(), recorded.allBatches);
    WindowSession session(start);
    auto window = session.open(sysClass);
    PairedTimes times;
    for (auto _ : state) {
        window.reset();
        times.time(
            state, [&] { window = session.open(sysClass); }, [&] { native.run(); });
    }
    times.report(state);
}

// The node's detail query run through the window's own connection, as its list loads it:
// the data layer's share of a click, against BM_SqliteOnly.
void detailQuery(benchmark::State &state, const NodeCase &node)
{
    const auto recorded = recordClick(node);
    WindowSession session;
    auto window = session.open(node.sysClass);
    for (auto _ : state)
        benchmark::DoNotOptimize(params::executeOnAccount(recorded.detailSql));
    if (!recorded.error.empty())
        state.SkipWithError(recorded.error.c_str());
}

void windowOpen(benchmark::State &state, int32_t sysClass, Start start)
{
    WindowSession session(start);
    auto window = session.open(sysClass); // rows created on first use are in place
    for (auto _ : state) {
        window.reset();
        timeIteration(state, [&] { window = session.open(sysClass); });
    }
    if (const auto message = session.firstMessage(); !message.empty())
        state.SkipWithError(message.c_str());
    state.counters["gridRows"] = window->list.rowCount();
}

bool registerWindowBenchmarks()
{
    for (const int32_t sysClass : OpenClasses) {
        const auto label = "class" + std::to_string(sysClass);
        benchmark::RegisterBenchmark(("BM_Open/" + label).c_str(), windowOpen, sysClass,
                                     Start::WindowOnly)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_SqliteAll/open-" + label).c_str(), sqliteOpen, sysClass,
                                     Start::WindowOnly)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_OpenAsProgram/" + label).c_str(), windowOpen, sysClass,
                                     Start::AsProgram)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_SqliteAll/program-" + label).c_str(), sqliteOpen,
                                     sysClass, Start::AsProgram)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_PairedOpen/" + label).c_str(), pairedOpen, sysClass,
                                     Start::WindowOnly)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_PairedOpen/program-" + label).c_str(), pairedOpen,
                                     sysClass, Start::AsProgram)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
    for (const auto &node : NodeCases) {
        const std::string key = node.key;
        benchmark::RegisterBenchmark(("BM_Click/" + key).c_str(), windowClick, node)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("BM_SqliteOnly/" + key).c_str(), sqliteDetail, node)
            ->UseRealTime()
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("BM_PairedClick/" + key).c_str(), pairedClick, node)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("BM_DetailQuery/" + key).c_str(), detailQuery, node)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("BM_SqliteAll/" + key).c_str(), sqliteClick, node)
            ->UseRealTime()
            ->Unit(benchmark::kMicrosecond);
    }
    return true;
}

const bool windowBenchmarksRegistered = registerWindowBenchmarks();

} // namespace
