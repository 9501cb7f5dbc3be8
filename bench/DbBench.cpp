// Statements through the T-SQL engine versus the same work in hand-written SQLite, on one
// temporary account file per benchmark. The engine's numbers are after the first call:
// the compiled batch is cached.
#include "db/SqliteDatabase.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

using orvan::db::Database;
using orvan::db::SqliteDatabase;

class BenchAccount
{
public:
    BenchAccount()
    {
        m_path = (std::filesystem::temp_directory_path() /
                  ("orvan-db-bench-" + std::to_string(::getpid()) + ".db"))
                     .string();
        removeFiles();
        db = std::make_unique<SqliteDatabase>(m_path, SqliteDatabase::OpenMode::Create);
        std::string script =
            "CREATE TABLE t_SystemProfile (FCategory TEXT COLLATE NOCASE, FKey TEXT COLLATE "
            "NOCASE, FValue TEXT COLLATE NOCASE, FSort REAL);"
            "CREATE INDEX ix_profile ON t_SystemProfile (FKey, FCategory);"
            "CREATE TABLE Report (FReportID INT PRIMARY KEY, FListTplID INT);"
            "CREATE TABLE ReportDesc (FReportID INT, FColName TEXT COLLATE NOCASE, FVisible INT);"
            "CREATE INDEX ix_desc ON ReportDesc (FReportID);";
        for (int i = 0; i < 500; ++i) {
            const std::string n = std::to_string(i);
            script += "INSERT INTO t_SystemProfile VALUES ('" +
                      std::string(i % 2 ? "IC" : "General") + "','Key" + n + "','" + n + "'," + n +
                      ");";
            script +=
                "INSERT INTO Report VALUES (" + n + "," + std::to_string(60000 + i % 20) + ");";
            script +=
                "INSERT INTO ReportDesc VALUES (" + n + ",'FAuxQty',1),(" + n + ",'FOther',1);";
        }
        db->executeNative(script);
    }

    ~BenchAccount()
    {
        db.reset();
        removeFiles();
    }

    sqlite3_stmt *prepare(const char *sql)
    {
        sqlite3_stmt *statement = nullptr;
        sqlite3_prepare_v2(db->handle(), sql, -1, &statement, nullptr);
        return statement;
    }

    void exec(const char *sql) { sqlite3_exec(db->handle(), sql, nullptr, nullptr, nullptr); }

    std::unique_ptr<SqliteDatabase> db;

private:
    void removeFiles()
    {
        for (const char *suffix : {"", "-wal", "-shm"})
            std::filesystem::remove(m_path + suffix);
    }

    std::string m_path;
};

// Reads every row and field as the program's callers do.
void readAll(benchmark::State &state, Database &db, const std::string &sql)
{
    for (auto _ : state) {
        auto rows = db.execute(sql);
        for (; !rows->isEOF(); rows->MoveNext())
            benchmark::DoNotOptimize(rows->Fields(0).Value());
    }
}

void stepAll(benchmark::State &state, BenchAccount &account, const char *sql)
{
    sqlite3_stmt *statement = account.prepare(sql);
    for (auto _ : state) {
        account.exec("BEGIN");
        while (sqlite3_step(statement) == SQLITE_ROW)
            benchmark::DoNotOptimize(sqlite3_column_text(statement, 0));
        sqlite3_reset(statement);
        account.exec("COMMIT");
    }
    sqlite3_finalize(statement);
}

constexpr const char *KeyLookup =
    "SELECT FValue FROM t_SystemProfile WHERE FKey='Key301' And FCategory='IC'";

constexpr const char *UnionWithCase =
    "select FValue,FKey,(case FKey when 'Key2' then 0.08  \r\nwhen 'Key4' then 0.13 else Fsort "
    "end) as FSort \r\nfrom t_systemprofile where FKey IN('Key2','Key4','Key6','Key8') And "
    "FCategory='General' \r\n Union \r\n select Fvalue,Fkey,(CASE FKey WHEN 'Key1' THEN 1.01 "
    "WHEN 'Key3' THEN 1.02 END) AS FSort from t_systemprofile \r\n where Fkey in "
    "('Key1','Key3') And FCategory='IC' \r\n ORDER BY  FSort ";

constexpr const char *UnionWithCaseNative =
    "select FValue,FKey,(case FKey when 'Key2' then 0.08 when 'Key4' then 0.13 else Fsort end) "
    "as FSort from t_systemprofile where FKey IN('Key2','Key4','Key6','Key8') And "
    "FCategory='General' Union select Fvalue,Fkey,(CASE FKey WHEN 'Key1' THEN 1.01 WHEN 'Key3' "
    "THEN 1.02 END) AS FSort from t_systemprofile where Fkey in ('Key1','Key3') And "
    "FCategory='IC' ORDER BY FSort";

void BM_KeyLookup_Engine(benchmark::State &state)
{
    BenchAccount account;
    readAll(state, *account.db, KeyLookup);
}
BENCHMARK(BM_KeyLookup_Engine);

void BM_KeyLookup_Native(benchmark::State &state)
{
    BenchAccount account;
    stepAll(state, account, KeyLookup);
}
BENCHMARK(BM_KeyLookup_Native);

void BM_UnionWithCase_Engine(benchmark::State &state)
{
    BenchAccount account;
    readAll(state, *account.db, UnionWithCase);
}
BENCHMARK(BM_UnionWithCase_Engine);

void BM_UnionWithCase_Native(benchmark::State &state)
{
    BenchAccount account;
    stepAll(state, account, UnionWithCaseNative);
}
BENCHMARK(BM_UnionWithCase_Native);

void BM_IfExistsUpsert_Engine(benchmark::State &state)
{
    BenchAccount account;
    const std::string batch =
        "IF Exists(select * from t_SystemProfile WHERE  FCategory='IC' AND Fkey='Key301')\r\n"
        "UPDATE  t_SystemProfile SET FValue='7' WHERE  FCategory='IC' AND Fkey='Key301'\r\n"
        "ELSE \r\n INSERT INTO t_SystemProfile(FCategory,FKey,FValue) "
        "Values('IC','Key301','7')";
    for (auto _ : state)
        account.db->execute(batch);
}
BENCHMARK(BM_IfExistsUpsert_Engine);

void BM_IfExistsUpsert_Native(benchmark::State &state)
{
    BenchAccount account;
    sqlite3_stmt *exists = account.prepare(
        "SELECT EXISTS(select * from t_SystemProfile WHERE FCategory='IC' AND Fkey='Key301')");
    sqlite3_stmt *update = account.prepare(
        "UPDATE t_SystemProfile SET FValue='7' WHERE FCategory='IC' AND Fkey='Key301'");
    sqlite3_stmt *insert = account.prepare(
        "INSERT INTO t_SystemProfile(FCategory,FKey,FValue) Values('IC','Key301','7')");
    for (auto _ : state) {
        account.exec("BEGIN IMMEDIATE");
        sqlite3_step(exists);
        const bool found = sqlite3_column_int(exists, 0) != 0;
        sqlite3_reset(exists);
        sqlite3_stmt *write = found ? update : insert;
        sqlite3_step(write);
        sqlite3_reset(write);
        account.exec("COMMIT");
    }
    for (sqlite3_stmt *statement : {exists, update, insert})
        sqlite3_finalize(statement);
}
BENCHMARK(BM_IfExistsUpsert_Native);

void BM_UpdateFrom_Engine(benchmark::State &state)
{
    BenchAccount account;
    const std::string batch = "UPDATE ReportDesc SET FVisible = 0\r\nFROM ReportDesc t1\r\n"
                              "    join Report t2 on t1.FReportID = t2.FReportID\r\n"
                              "WHERE t2.FListTplID in (60010,60011,60012) \r\n"
                              "  and t1.FColName in ('FAuxQty')";
    for (auto _ : state)
        account.db->execute(batch);
}
BENCHMARK(BM_UpdateFrom_Engine);

void BM_UpdateFrom_Native(benchmark::State &state)
{
    BenchAccount account;
    sqlite3_stmt *update = account.prepare(
        "UPDATE ReportDesc SET FVisible = 0 WHERE rowid IN (SELECT t1.rowid FROM ReportDesc t1 "
        "join Report t2 on t1.FReportID = t2.FReportID WHERE t2.FListTplID in "
        "(60010,60011,60012) and t1.FColName in ('FAuxQty'))");
    for (auto _ : state) {
        account.exec("BEGIN IMMEDIATE");
        sqlite3_step(update);
        sqlite3_reset(update);
        account.exec("COMMIT");
    }
    sqlite3_finalize(update);
}
BENCHMARK(BM_UpdateFrom_Native);

} // namespace
