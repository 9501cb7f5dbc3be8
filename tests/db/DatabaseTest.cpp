#include "db/SqliteDatabase.h"

#include "EngineDatabase.h"
#include "TempDatabase.h"
#include "db/SqlText.h"
#include "db/Transaction.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

using namespace orvan::db;
using namespace orvan::db::test;
using orvan::base::Variant;
using ::testing::HasSubstr;

namespace {

// Every case runs on an account file and on a database of the test server.
class DatabaseTest : public ::testing::TestWithParam<Engine>
{
protected:
    void SetUp() override
    {
        if (!EngineDatabase::available(GetParam()))
            GTEST_SKIP() << "no test server: run the tests through scripts/with-postgres.sh";
        engine = std::make_unique<EngineDatabase>(GetParam());
        db = &engine->database();
        engine->create(
            "CREATE TABLE t_SystemProfile (FCategory TEXT COLLATE NOCASE, FKey TEXT COLLATE "
            "NOCASE, FValue TEXT COLLATE NOCASE);"
            "CREATE TABLE Report (FReportID INT, FListTplID INT);"
            "CREATE TABLE ReportDesc (FReportID INT, FColName TEXT COLLATE NOCASE, FVisible INT);",
            "INSERT INTO Report VALUES (1, 60010), (2, 70000);"
            "INSERT INTO ReportDesc VALUES (1,'FAuxQty',1),(1,'FOther',1),(2,'FAuxQty',1),"
            "(2,'FOther',1),(1,'FAuxQtyPass',1);");
    }

    bool onServer() const { return GetParam() == Engine::Server; }

    // The rows of a query: fields joined by ':', rows by ','.
    std::string rows(const std::string &sql) { return engine->rowsText(sql); }

    // The error of a batch, in lower case (the engines word theirs differently).
    std::string errorOf(std::string_view batch)
    {
        try {
            db->execute(batch);
        } catch (const orvan::base::Error &error) {
            std::string text = error.description();
            std::transform(text.begin(), text.end(), text.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            return text;
        }
        return "no error";
    }

    std::string upsert(const std::string &key, const std::string &value)
    {
        return "IF Exists(select * from t_SystemProfile WHERE  FCategory='IC' AND Fkey=" +
               sqlQuote(key) + ")\r\nUPDATE  t_SystemProfile SET FValue=" + sqlQuote(value) +
               " WHERE  FCategory='IC' AND Fkey=" + sqlQuote(key) +
               "\r\nELSE \r\n INSERT INTO t_SystemProfile(FCategory,FKey,FValue) Values('IC'," +
               sqlQuote(key) + "," + sqlQuote(value) + ")";
    }

    std::unique_ptr<EngineDatabase> engine;
    Database *db = nullptr;
};

} // namespace

TEST_P(DatabaseTest, IfExistsInsertsOnceThenUpdates)
{
    EXPECT_EQ(db->execute(upsert("ICClosed", "0")), nullptr);
    db->execute(upsert("ICClosed", "1"));
    db->execute(upsert("ICClosed", "2"));
    EXPECT_EQ(rows("select count(*), FValue from t_SystemProfile group by FValue"), "1:2");
}

TEST_P(DatabaseTest, SelfJoinUpdateChangesExactlyTheJoinedRows)
{
    db->execute("UPDATE ReportDesc SET FVisible = 0\r\n"
                "FROM ReportDesc t1\r\n"
                "    join Report t2 on t1.FReportID = t2.FReportID\r\n"
                "WHERE t2.FListTplID in (60010,60011) \r\n"
                "  and t1.FColName in ('FAuxQty')");
    EXPECT_EQ(rows("select FReportID, FColName, FVisible from ReportDesc order by 1, 2"),
              "1:FAuxQty:0,1:FAuxQtyPass:1,1:FOther:1,2:FAuxQty:1,2:FOther:1");
}

TEST_P(DatabaseTest, UpdateThroughAliasComputesFromTheTargetRow)
{
    db->execute("update t1 set t1.FVisible=t1.FReportID*10+t2.FListTplID/10000 "
                "from ReportDesc t1 left outer join Report t2 on t1.FReportID=t2.FReportID "
                "where t2.FListTplID=70000");
    EXPECT_EQ(rows("select FVisible from ReportDesc order by FReportID, FColName"), "1,1,1,27,27");
    EXPECT_THAT(errorOf("update x set FVisible=1 from ReportDesc t1"),
                HasSubstr("'x' is not named in the from clause"));
    EXPECT_THAT(errorOf("update ReportDesc set FVisible=1 from ReportDesc a join ReportDesc b "
                        "on a.FReportID=b.FReportID"),
                HasSubstr("ambiguous"));
}

TEST_P(DatabaseTest, DeleteWithoutFromAndWithJoin)
{
    db->execute("delete ReportDesc where FColName='FOther'");
    EXPECT_EQ(rows("select count(*) from ReportDesc"), "3");
    db->execute("delete d from ReportDesc d join Report r on r.FReportID=d.FReportID "
                "where r.FListTplID=60010");
    EXPECT_EQ(rows("select FReportID, FColName from ReportDesc"), "2:FAuxQty");
}

// Trailing blanks count on the server (see data/schema-server.sql).
TEST_P(DatabaseTest, ComparesTextWithoutCaseAndTrailingBlanksOnlyOnAFile)
{
    db->execute("insert into t_SystemProfile values('IC','CompanyTax  ','x')");
    EXPECT_EQ(db->execute("select * from t_SystemProfile where FKey='companytax'")->RecordCount(),
              onServer() ? 0 : 1);
    EXPECT_EQ(
        db->execute("select * from t_SystemProfile where FKey in ('COMPANYTAX ')")->RecordCount(),
        onServer() ? 0 : 1);
    EXPECT_EQ(db->execute("select * from t_SystemProfile where FKey='COMPANYTAX  '")->RecordCount(),
              1);
    EXPECT_EQ(db->execute("select * from t_SystemProfile where FKey='companytaxes'")->RecordCount(),
              0);
}

TEST_P(DatabaseTest, StoresQuotesAndLineBreaksExactly)
{
    const std::string value = "O'Neil's\r\n'line' two";
    db->execute("insert into t_SystemProfile values('IC','k'," + sqlQuote(value) + ")");
    EXPECT_EQ(rows("select FValue from t_SystemProfile"), value);
    EXPECT_EQ(db->execute("select FValue from t_SystemProfile where FValue=" + sqlQuote(value))
                  ->Fields("fvalue")
                  .Value(),
              Variant(value));
}

TEST_P(DatabaseTest, RewritesTsqlExpressions)
{
    auto value = [&](std::string_view select) { return db->execute(select)->Fields(0).Value(); };
    EXPECT_EQ(value("select 6 & 3 + 1"), Variant(int32_t{3}));
    EXPECT_EQ(value("select 1 + 6 | 8 - 1"), Variant(int32_t{14}));
    EXPECT_EQ(value("select 12 & ~4 * 1"), Variant(int32_t{8}));
    EXPECT_EQ(value("select ISNULL(NULL,5)"), Variant(int32_t{5}));
    EXPECT_EQ(value("select count(*) from Report where FReportID !< 2"), Variant(int32_t{1}));
    EXPECT_EQ(value("select convert(int, ' 12 ')"), Variant(int32_t{12}));
    EXPECT_EQ(value("select convert(varchar(3), 'abcdef')"), Variant("abc"));
    EXPECT_EQ(value("select N'中文'"), Variant("中文"));
    EXPECT_EQ(value("select 30.0*85/100"), Variant(25.5));
    EXPECT_EQ(value("select count(*) from dbo.Report where FReportID=1or FReportID=2"),
              Variant(int32_t{2}));
    EXPECT_THAT(errorOf("select convert(int,'12abc')"), HasSubstr("conversion failed"));
}

TEST_P(DatabaseTest, FailingBatchLeavesNothingAppliedAndConnectionUsable)
{
    EXPECT_THAT(errorOf("insert into Report values(3, 1)\r\n"
                        "update Report set FListTplID=0\r\n"
                        "select convert(int, 'x') \r\n"
                        "insert into Report values(4, 1)"),
                HasSubstr("conversion failed"));
    EXPECT_EQ(rows("select count(*), sum(FListTplID) from Report"), "2:130010");
    EXPECT_THAT(errorOf("insert into Report values(3, 1)\r\nselect * from Missing"),
                HasSubstr("missing"));
    EXPECT_EQ(rows("select count(*) from Report"), "2");
    EXPECT_EQ(db->execute("select count(*) n from Report")->Fields("N").Value(),
              Variant(int32_t{2}));
}

TEST_P(DatabaseTest, ReturnsTheLastQueryAndAnOpenRecordsetWithoutRows)
{
    RecordsetPtr rows = db->execute("select * from Report where FReportID=99");
    ASSERT_NE(rows, nullptr);
    EXPECT_TRUE(rows->isEOF());
    EXPECT_TRUE(rows->isOpen());
    rows = db->execute("select 1 a\r\nupdate Report set FListTplID=1 where 1=0\r\nselect 2 b");
    EXPECT_EQ(rows->fieldName(0), "b");
}

TEST_P(DatabaseTest, CachesTheCompiledBatchPerText)
{
    db->execute("select * from Report");
    db->execute("select * from Report");
    EXPECT_EQ(db->cachedBatchCount(), 1u);
    db->execute("select * from  Report");
    EXPECT_EQ(db->cachedBatchCount(), 2u);
}

TEST_P(DatabaseTest, RunsRegisteredProceduresWithOutputs)
{
    db->registerProcedure("AdjustForePlans",
                          {{"@ByType", ParameterDirection::Input, {}},
                           {"@Succeed", ParameterDirection::Output, {}},
                           {"@Reason", ParameterDirection::Output, {}}},
                          [](ProcedureCall &call) {
                              const bool ok = call.value("ByType") == Variant(int16_t{1});
                              call.database().execute("delete Report where FReportID=2");
                              call.setValue("@Succeed", Variant(static_cast<int16_t>(ok ? 1 : 0)));
                              call.setValue("@Reason", Variant(ok ? "" : "bad type"));
                          });
    std::vector<ProcedureParameter> arguments = {
        {"@ByType", ParameterDirection::Input, Variant(int16_t{1})},
        {"@Succeed", ParameterDirection::Output, {}},
        {"@Reason", ParameterDirection::Output, {}}};
    db->callProcedure("adjustforeplans", arguments);
    EXPECT_EQ(arguments[1].value, Variant(int16_t{1}));
    EXPECT_EQ(rows("select count(*) from Report"), "1");

    EXPECT_THAT(errorOf("exec AdjustForePlans"), HasSubstr("expects parameter '@bytype'"));
    EXPECT_THAT(errorOf("delete Report\r\nexec p_Missing 1"),
                HasSubstr("could not find stored procedure 'p_missing'"));
    EXPECT_EQ(rows("select count(*) from Report"), "1");
}

TEST_P(DatabaseTest, ProcedureFailureRollsBackTheBatch)
{
    db->registerProcedure("p_Fail", {{"@Mode", ParameterDirection::Input, {}}},
                          [](ProcedureCall &call) {
                              call.database().execute("delete Report");
                              throw orvan::base::Error(5, "procedure failed");
                          });
    EXPECT_THAT(errorOf("delete ReportDesc\r\nexec p_Fail 1"), HasSubstr("procedure failed"));
    EXPECT_EQ(rows("select count(*) from Report"), "2");
    EXPECT_EQ(rows("select count(*) from ReportDesc"), "5");
}

TEST(DatabaseOpen, RefusesFilesThatAreNotDatabases)
{
    TempDatabaseFile file;
    std::ofstream(file.path()) << "this is a plain text file, long enough to have a header....";
    try {
        SqliteDatabase db(file.path());
        FAIL() << "opened a text file";
    } catch (const orvan::base::Error &error) {
        EXPECT_THAT(error.description(), HasSubstr("file is not a database"));
    }
    EXPECT_THROW(SqliteDatabase("/nonexistent/dir/x.db"), orvan::base::Error);
}

TEST(DatabaseOpen, UsesWriteAheadLogging)
{
    TempDatabaseFile file;
    SqliteDatabase db(file.path(), SqliteDatabase::OpenMode::Create);
    EXPECT_EQ(scalarText(db, "PRAGMA journal_mode"), "wal");
}

TEST_P(DatabaseTest, TransactionRollsBackUnlessCommitted)
{
    {
        Transaction transaction(*db);
        db->execute("delete Report where FReportID=1");
    }
    EXPECT_EQ(rows("select count(*) from Report"), "2");
    {
        Transaction transaction(*db);
        db->execute("delete Report where FReportID=1");
        EXPECT_THAT(errorOf("delete Report\r\nselect * from Missing"), HasSubstr("missing"));
        transaction.commit();
    }
    EXPECT_EQ(rows("select FReportID from Report"), "2");
    EXPECT_EQ(db->execute("-- nothing but a comment\r\n"), nullptr);
}

TEST_P(DatabaseTest, ABatchFailingWhileItRunsRollsBackToItsSavepointInsideATransaction)
{
    engine->create("CREATE TABLE Unique1 (FKey INT PRIMARY KEY)");
    {
        Transaction transaction(*db);
        db->execute("delete Report where FReportID=1");
        EXPECT_THAT(errorOf("insert into Unique1 values(1)\r\ninsert into Unique1 values(1)"),
                    HasSubstr("unique"));
        db->execute("insert into Unique1 values(2)");
        transaction.commit();
    }
    EXPECT_EQ(rows("select FReportID from Report"), "2");
    EXPECT_EQ(rows("select FKey from Unique1"), "2")
        << "the failed batch left nothing, the statements around it stay";
}

TEST(DatabaseOpen, OpeningAndReadingNeverWriteTheFileTheFirstWriteSetsTheLog)
{
    TempDatabaseFile file;
    {
        sqlite3 *raw = nullptr;
        ASSERT_EQ(sqlite3_open(file.path().c_str(), &raw), SQLITE_OK);
        sqlite3_exec(raw, "CREATE TABLE t(a INT); INSERT INTO t VALUES(1);", nullptr, nullptr,
                     nullptr);
        sqlite3_close(raw);
    }
    const auto bytes = [&] {
        std::ifstream in(file.path(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const auto before = bytes();
    {
        SqliteDatabase db(file.path());
        EXPECT_EQ(scalarText(db, "select count(*) from t"), "1");
        EXPECT_EQ(scalarText(db, "PRAGMA journal_mode"), "delete") << "the mode stays as it was";
        EXPECT_FALSE(db.readOnly());
    }
    EXPECT_EQ(bytes(), before);
    SqliteDatabase db(file.path());
    db.execute("insert into t values(2)");
    EXPECT_EQ(scalarText(db, "PRAGMA journal_mode"), "wal");
    EXPECT_EQ(scalarText(db, "select count(*) from t"), "2");
}

TEST(DatabaseOpen, AnEmptyFileIsNotAnAccountAndStaysEmpty)
{
    TempDatabaseFile file;
    std::ofstream(file.path(), std::ios::trunc).close();
    try {
        SqliteDatabase db(file.path());
        ADD_FAILURE() << "an empty file opened";
    } catch (const orvan::base::Error &error) {
        EXPECT_THAT(error.description(), HasSubstr("empty"));
    }
    EXPECT_EQ(std::filesystem::file_size(file.path()), 0u);
}

namespace {

// A write through the engine and a native one both fail with the account's own error.
void expectEveryWriteRefused(Database &db, const std::string &reason)
{
    for (const auto &write :
         std::vector<std::function<void()>>{[&] { db.execute("insert into t values(9)"); },
                                            [&] { db.executeNative("insert into t values(9)"); }}) {
        try {
            write();
            ADD_FAILURE() << "the write was taken";
        } catch (const orvan::base::Error &error) {
            EXPECT_THAT(error.description(), HasSubstr(reason));
            EXPECT_TRUE(error.isAccountUnavailable());
        }
    }
}

} // namespace

TEST(DatabaseOpen, AnAccountOpenedForReadingRefusesEveryKindOfWrite)
{
    TempDatabaseFile file;
    SqliteDatabase(file.path(), SqliteDatabase::OpenMode::Create)
        .executeNative("CREATE TABLE t(a INT)");
    SqliteDatabase db(file.path(), SqliteDatabase::OpenMode::ReadOnly);
    EXPECT_TRUE(db.readOnly());
    EXPECT_EQ(scalarText(db, "select count(*) from t"), "0");
    expectEveryWriteRefused(db, "can only be read");
    SqliteDatabase reader(file.path());
    EXPECT_EQ(scalarText(reader, "select count(*) from t"), "0");
}

TEST(DatabaseOpen, AnAccountHeldByAnotherWriterRefusesWritesAndStillReads)
{
    TempDatabaseFile file;
    SqliteDatabase(file.path(), SqliteDatabase::OpenMode::Create)
        .executeNative("CREATE TABLE t(a INT); INSERT INTO t VALUES(1)");
    SqliteDatabase holder(file.path());
    Transaction held(holder, Transaction::Kind::Write);
    holder.execute("insert into t values(2)");

    SqliteDatabase db(file.path());
    sqlite3_busy_timeout(db.handle(), 0); // the test does not wait for the holder
    EXPECT_EQ(scalarText(db, "select count(*) from t"), "1") << "reads go on";
    expectEveryWriteRefused(db, "being changed by another program");
    try {
        db.execute("insert into nowhere values(3)");
        ADD_FAILURE() << "a missing table was written";
    } catch (const orvan::base::Error &error) {
        EXPECT_FALSE(error.isAccountUnavailable()) << "a plain error is not the account's";
    }
    held.commit();
    db.execute("insert into t values(3)");
    EXPECT_EQ(scalarText(db, "select count(*) from t"), "3");
}

TEST(DatabaseOpen, AReadOnlyAccountIsReadAndRefusesWritesWithAClearError)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    TempDatabaseFile file;
    SqliteDatabase(file.path(), SqliteDatabase::OpenMode::Create)
        .executeNative("CREATE TABLE t(a INT)");
    std::filesystem::permissions(file.path(), std::filesystem::perms::owner_read);
    {
        SqliteDatabase db(file.path());
        EXPECT_TRUE(db.readOnly());
        EXPECT_EQ(scalarText(db, "select count(*) from t"), "0");
        try {
            db.execute("insert into t values(1)");
            ADD_FAILURE() << "a read-only account took a write";
        } catch (const orvan::base::Error &error) {
            EXPECT_THAT(error.description(), HasSubstr("can only be read"));
        }
    }
    std::filesystem::permissions(file.path(), std::filesystem::perms::owner_all);
}

INSTANTIATE_TEST_SUITE_P(Engines, DatabaseTest, ::testing::Values(Engine::File, Engine::Server),
                         [](const auto &info) { return engineName(info.param); });
