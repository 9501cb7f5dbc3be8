// The maintenance window on an account on a PostgreSQL server (the demo account), beside
// the client library alone running the same statements on the same database. Pairs share
// a label:
//   BM_ServerOpen/<class>        construct + load(), as SysFace.Show does before showing
//   BM_LibpqAll/open-<class>     every batch that open ran, with libpq alone
//   BM_ServerClick/<key>         select and click the node (another node in between, untimed)
//   BM_LibpqAll/<key>            every batch the click ran, with libpq alone
// The server is the one ORVAN_TEST_POSTGRES names (make bench starts one); without it the
// benchmarks are skipped. libpq alone prepares each statement once (the server's own
// translation of the window's T-SQL), then runs each batch in its own transaction (a lone
// query without one), taking the write lock first when the batch writes, and reads every
// value of every row.
#include "WindowSession.h"

#include "db/BatchCompiler.h"
#include "db/LibPq.h"
#include "db/PostgresDatabase.h"
#include "db/Token.h"
#include "suite/DemoAccount.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace orvan;
using bench::Start;
using bench::timeIteration;
using bench::WindowSession;

// The demo account in a database of its own on the benchmark server, dropped at exit.
class ServerBenchAccount
{
public:
    static const ServerBenchAccount &instance()
    {
        static const ServerBenchAccount account;
        return account;
    }

    bool available() const { return !m_server.empty(); }
    std::string connection() const { return m_server + " dbname=" + m_name; }
    std::string connectString() const
    {
        return "Provider=PostgreSQL;Host=" + entry("host") + ";Port=" + entry("port") +
               ";User ID=" + entry("user") + ";Database=" + m_name;
    }

private:
    ServerBenchAccount()
    {
        const char *server = std::getenv("ORVAN_TEST_POSTGRES");
        if (!server || !*server)
            return;
        m_server = server;
        m_name = "orvan_bench_" + std::to_string(::getpid());
        db::PostgresDatabase(m_server).runControl(("CREATE DATABASE " + m_name).c_str());
        suite::writeServerAccount(connection(), false);
    }
    ~ServerBenchAccount()
    {
        if (available())
            db::PostgresDatabase(m_server).runControl(
                ("DROP DATABASE IF EXISTS " + m_name + " WITH (FORCE)").c_str());
    }

    std::string entry(const std::string &keyword) const
    {
        const auto at = m_server.find(keyword + "=");
        const auto start = at + keyword.size() + 1;
        return at == std::string::npos ? ""
                                       : m_server.substr(start, m_server.find(' ', start) - start);
    }

    std::string m_server;
    std::string m_name;
};

bool skipWithoutServer(benchmark::State &state)
{
    if (ServerBenchAccount::instance().available())
        return false;
    state.SkipWithError("no server: run through scripts/with-postgres.sh (make bench does)");
    return true;
}

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

WindowSession serverSession()
{
    return WindowSession(Start::WindowOnly, ServerBenchAccount::instance().connectString());
}

// The batches one open or one click ran, recorded after a first one created what is
// created on first use.
std::vector<std::string> recordBatches(const NodeCase *node, int32_t sysClass)
{
    WindowSession session = serverSession();
    auto window = session.open(sysClass);
    if (node) {
        window->selectAndClick(node->key);
        window->selectAndClick(node->other);
    }
    std::vector<std::string> batches;
    db::Database::observeBatches(
        [&batches](std::string_view batch) { batches.emplace_back(batch); });
    if (node)
        window->selectAndClick(node->key);
    else
        session.open(sysClass);
    db::Database::observeBatches(nullptr);
    return batches;
}

// Compiled batches prepared on a plain client connection and run with libpq alone.
class LibpqBatches
{
public:
    explicit LibpqBatches(const std::vector<std::string> &batches)
        : m_pq(db::libpq())
    {
        db::PostgresDatabase schema(ServerBenchAccount::instance().connection());
        m_connection = m_pq.PQconnectdb(ServerBenchAccount::instance().connection().c_str());
        if (m_pq.PQstatus(m_connection) != CONNECTION_OK)
            throw std::runtime_error(m_pq.PQerrorMessage(m_connection));
        for (const auto &batch : batches)
            m_batches.push_back(
                prepareSteps(db::compileBatch(batch, db::SqlDialect{&schema.schemaNames()}).steps));
    }
    ~LibpqBatches() { m_pq.PQfinish(m_connection); }
    LibpqBatches(const LibpqBatches &) = delete;
    LibpqBatches &operator=(const LibpqBatches &) = delete;

    long run()
    {
        long values = 0;
        for (const auto &batch : m_batches) {
            const bool loneRead =
                !batch.writes && batch.steps.size() == 1 && !batch.steps.front().condition;
            if (loneRead) {
                values += runSteps(batch.steps); // one query reads one snapshot by itself
                continue;
            }
            exec(batch.writes ? "BEGIN; SELECT pg_advisory_xact_lock(7239000215)" : "BEGIN");
            values += runSteps(batch.steps);
            exec("COMMIT");
        }
        return values;
    }

private:
    struct Step
    {
        bool condition = false;
        std::string name;
        std::vector<Step> thenSteps;
        std::vector<Step> elseSteps;
    };
    struct Batch
    {
        std::vector<Step> steps;
        bool writes = false;
    };

    Batch prepareSteps(const std::vector<db::PlanStep> &plan)
    {
        Batch batch;
        batch.steps = prepareSteps(plan, batch.writes);
        return batch;
    }

    std::vector<Step> prepareSteps(const std::vector<db::PlanStep> &plan, bool &writes)
    {
        std::vector<Step> steps;
        for (const auto &planned : plan) {
            if (planned.kind == db::PlanStep::Kind::Call)
                continue; // registered C++ procedures have no plain form
            Step step;
            step.condition = planned.kind == db::PlanStep::Kind::Condition;
            step.name = "bench_" + std::to_string(m_prepared++);
            PGresult *result =
                m_pq.PQprepare(m_connection, step.name.c_str(), planned.sql.c_str(), 0, nullptr);
            check(result, planned.sql);
            writes = writes || !db::equalsIgnoreCase(planned.sql.substr(0, 6), "SELECT");
            step.thenSteps = prepareSteps(planned.thenSteps, writes);
            step.elseSteps = prepareSteps(planned.elseSteps, writes);
            steps.push_back(std::move(step));
        }
        return steps;
    }

    long runSteps(const std::vector<Step> &steps)
    {
        long values = 0;
        for (const auto &step : steps) {
            PGresult *result = m_pq.PQexecPrepared(m_connection, step.name.c_str(), 0, nullptr,
                                                   nullptr, nullptr, 0);
            if (step.condition) {
                const bool holds =
                    m_pq.PQntuples(result) > 0 && std::string(m_pq.PQgetvalue(result, 0, 0)) != "0";
                m_pq.PQclear(result);
                values += runSteps(holds ? step.thenSteps : step.elseSteps);
                continue;
            }
            const int rows = m_pq.PQntuples(result);
            const int columns = m_pq.PQnfields(result);
            for (int r = 0; r < rows; ++r) {
                for (int c = 0; c < columns; ++c) {
                    benchmark::DoNotOptimize(m_pq.PQgetvalue(result, r, c));
                    ++values;
                }
            }
            m_pq.PQclear(result);
        }
        return values;
    }

    void exec(const char *sql) { check(m_pq.PQexec(m_connection, sql), sql); }

    void check(PGresult *result, const std::string &sql)
    {
        const auto status = m_pq.PQresultStatus(result);
        const std::string error = m_pq.PQerrorMessage(m_connection);
        m_pq.PQclear(result);
        if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
            throw std::runtime_error(error + ": " + sql);
    }

    const db::LibPq &m_pq;
    PGconn *m_connection = nullptr;
    std::vector<Batch> m_batches;
    int m_prepared = 0;
};

void libpqAll(benchmark::State &state, const NodeCase *node, int32_t sysClass)
{
    if (skipWithoutServer(state))
        return;
    try {
        const auto batches = recordBatches(node, sysClass);
        LibpqBatches native(batches);
        long values = 0;
        for (auto _ : state)
            values = native.run();
        state.counters["values"] = static_cast<double>(values);
        state.counters["batches"] = static_cast<double>(batches.size());
    } catch (const std::exception &error) {
        state.SkipWithError(error.what());
    }
}

void serverOpen(benchmark::State &state, int32_t sysClass)
{
    if (skipWithoutServer(state))
        return;
    WindowSession session = serverSession();
    auto window = session.open(sysClass);
    for (auto _ : state) {
        window.reset();
        timeIteration(state, [&] { window = session.open(sysClass); });
    }
    if (const auto message = session.firstMessage(); !message.empty())
        state.SkipWithError(message.c_str());
}

void serverClick(benchmark::State &state, const NodeCase *node)
{
    if (skipWithoutServer(state))
        return;
    WindowSession session = serverSession();
    auto window = session.open(node->sysClass);
    window->selectAndClick(node->key);
    for (auto _ : state) {
        window->selectAndClick(node->other);
        timeIteration(state, [&] { window->selectAndClick(node->key); });
    }
    if (window->selectedKey() != node->key)
        state.SkipWithError("the node was not selected");
    else if (const auto message = session.firstMessage(); !message.empty())
        state.SkipWithError(message.c_str());
}

bool registerServerBenchmarks()
{
    for (const int32_t sysClass : {0, 3}) {
        const auto label = "class" + std::to_string(sysClass);
        benchmark::RegisterBenchmark(("BM_ServerOpen/" + label).c_str(), serverOpen, sysClass)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_LibpqAll/open-" + label).c_str(), libpqAll, nullptr,
                                     sysClass)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
    }
    for (const auto &node : NodeCases) {
        const std::string key = node.key;
        benchmark::RegisterBenchmark(("BM_ServerClick/" + key).c_str(), serverClick, &node)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("BM_LibpqAll/" + key).c_str(), libpqAll, &node, node.sysClass)
            ->UseRealTime()
            ->Unit(benchmark::kMicrosecond);
    }
    return true;
}

const bool serverBenchmarksRegistered = registerServerBenchmarks();

} // namespace
