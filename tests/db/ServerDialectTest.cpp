// Batches compiled for a PostgreSQL server, as text: no server needed.
#include "db/BatchCompiler.h"
#include "db/ServerSchema.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace orvan::db;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

const SchemaNames Names = {{"t_systemprofile", "t_SystemProfile"},
                           {"fkey", "FKey"},
                           {"fvalue", "FValue"},
                           {"fcategory", "FCategory"},
                           {"fsort", "FSort"},
                           {"qmevaproj", "QMEvaProj"},
                           {"qmevaprojentry", "QMEvaProjEntry"},
                           {"fid", "FID"},
                           {"fprojs", "FProjS"},
                           {"fpercent", "FPercent"},
                           {"fcheckerid", "FCheckerID"}};

std::string onServer(std::string_view batch)
{
    const BatchPlan plan = compileBatch(batch, SqlDialect{&Names});
    return plan.steps.front().sql;
}

} // namespace

TEST(ServerDialect, NamesTheSchemaKnowsAreQuotedAsItWritesThemWhateverTheirCase)
{
    EXPECT_EQ(onServer("select fvalue from T_SYSTEMPROFILE where [fKey]='a'"),
              R"q(select "FValue" from "t_SystemProfile" where "FKey"='a')q");
    // Aliases of tables stay as the server folds them; unknown bracketed names fold too.
    EXPECT_EQ(onServer("select A.FKey from t_SystemProfile A where A.[Other]=1"),
              R"q(select A."FKey" from "t_SystemProfile" A where A."other"=1)q");
}

TEST(ServerDialect, ComputedColumnsAreHeadedAsOnTheEmbeddedEngine)
{
    EXPECT_EQ(onServer("select count(*), ISNULL(FValue,0), FKey, 1 from t_SystemProfile"),
              R"q(select count(*) AS "count(*)", COALESCE("FValue",0) AS "IFNULL(FValue,0)", )q"
              R"q("FKey", 1 AS "1" from "t_SystemProfile")q");
    // Only the outermost list: a subquery's columns are not headings.
    EXPECT_THAT(onServer("select FKey from t_SystemProfile where FKey in (select max(FKey) from "
                         "t_SystemProfile)"),
                Not(HasSubstr("AS")));
}

TEST(ServerDialect, AliasesKeepTheirCaseWhereverTheStatementUsesThem)
{
    EXPECT_EQ(onServer("select FValue FUserValue, FKey as 'Key Name' from t_SystemProfile "
                       "order by fuservalue"),
              R"q(select "FValue" "FUserValue", "FKey" as "Key Name" from "t_SystemProfile" )q"
              R"q(order by "FUserValue")q");
    // An alias the schema knows as a column keeps the schema's case everywhere.
    EXPECT_EQ(onServer("select (case FKey when 'a' then 1 else Fsort end) as fsort from "
                       "t_SystemProfile order by FSORT"),
              R"q(select (case "FKey" when 'a' then 1 else "FSort" end) as "FSort" from )q"
              R"q("t_SystemProfile" order by "FSort")q");
}

TEST(ServerDialect, JoinedUpdatesAndDeletesGoThroughTheRowId)
{
    const std::string update =
        onServer("update t1 set t1.FProjS=t1.FPercent*85/100 from QMEvaProjEntry t1 "
                 "left outer join QMEvaProj t2 on t1.FID=t2.FID where t2.FCheckerID=0");
    EXPECT_EQ(update, R"q(UPDATE "QMEvaProjEntry" SET "FProjS" = orvan_src.orvan_v0 FROM )q"
                      R"q((SELECT "t1".ctid AS orvan_rowid, (t1."FPercent"*85/100) AS orvan_v0 )q"
                      R"q(from "QMEvaProjEntry" t1 left outer join "QMEvaProj" t2 on )q"
                      R"q(t1."FID"=t2."FID" where t2."FCheckerID"=0) AS orvan_src WHERE )q"
                      R"q("QMEvaProjEntry".ctid = orvan_src.orvan_rowid)q");
    EXPECT_EQ(onServer("delete t_SystemProfile where FKey='a'"),
              R"q(DELETE FROM "t_SystemProfile" where "FKey"='a')q");
}

TEST(ServerSchemaTranslation, TypesNamesAndRowKeysBecomeTheServers)
{
    const ServerSchema schema = translateSchema(
        "-- a comment\n"
        "CREATE TABLE ICBillType (FID INTEGER PRIMARY KEY, FName TEXT COLLATE NOCASE NOT NULL,\n"
        "  FNote TEXT, FRate REAL DEFAULT 1, FOn BIT, FDate DATETIME, FKind SMALLINT CHECK "
        "(FKind IN (0, 1)), UNIQUE (FName));\n"
        "CREATE INDEX ix_BillType ON icbilltype (fname);\n"
        "CREATE TRIGGER tr AFTER UPDATE OF FID ON ICBillType BEGIN UPDATE ICBillType SET "
        "FRate = 2 WHERE rowid = NEW.rowid; END;\n",
        "PREAMBLE;\n--@after-tables\nAFTER;\n");
    EXPECT_EQ(schema.script,
              "PREAMBLE;\n\n"
              R"q(CREATE TABLE "ICBillType" ("FID" integer PRIMARY KEY, "FName" citext NOT NULL, )q"
              R"q("FNote" text, "FRate" numeric DEFAULT 1, "FOn" orvan_bit, "FDate" )q"
              R"q(orvan_datetime, "FKind" SMALLINT CHECK ("FKind" IN (0, 1)), UNIQUE ("FName"));)q"
              "\n"
              R"q(CREATE TRIGGER "orvan_key_ICBillType" BEFORE INSERT ON "ICBillType" FOR EACH )q"
              R"q(ROW EXECUTE FUNCTION orvan_next_key('FID');)q"
              "\n"
              R"q(CREATE TRIGGER "orvan_changed_ICBillType" AFTER INSERT OR UPDATE OR DELETE OR )q"
              R"q(TRUNCATE ON "ICBillType" FOR EACH STATEMENT EXECUTE FUNCTION )q"
              R"q(orvan_announce_change();)q"
              "\n"
              R"q(CREATE INDEX ix_BillType ON "ICBillType" ("FName");)q"
              "\n--@after-tables\nAFTER;\n");
    EXPECT_EQ(schema.names.at("fname"), "FName");
    EXPECT_EQ(translateData("INSERT INTO icbilltype (fid, fname) VALUES (1, 'a;b');\n"
                            "UPDATE ICBillType SET FName = N'x' WHERE FID = -1;",
                            schema.names),
              R"q(INSERT INTO "ICBillType" ("FID", "FName") VALUES (1, 'a;b');)q"
              "\n"
              R"q(UPDATE "ICBillType" SET "FName" = 'x' WHERE "FID" = -1;)q"
              "\n");
}
