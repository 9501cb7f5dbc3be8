// Statement shapes the maintenance program sends, run on a small account.
#include "db/SqliteDatabase.h"

#include "TempDatabase.h"

#include <gtest/gtest.h>

using namespace orvan::db;
using namespace orvan::db::test;
using orvan::base::Variant;

namespace {

class StatementShapes : public ::testing::Test
{
protected:
    void SetUp() override
    {
        db = std::make_unique<SqliteDatabase>(file.path(), SqliteDatabase::OpenMode::Create);
        db->executeNative(
            "CREATE TABLE t_SystemProfile (FCategory TEXT COLLATE NOCASE, FKey TEXT COLLATE "
            "NOCASE, FValue TEXT COLLATE NOCASE);"
            "CREATE TABLE t_Currency (FCurrencyID INT, FName TEXT COLLATE NOCASE);"
            "CREATE TABLE ICClassType (FID INT, FControl INT);"
            "CREATE TABLE ICBillNo (FBillID INT, FBillName TEXT COLLATE NOCASE, FPos INT);"
            "CREATE TABLE ICClassTableInfo (FClassTypeID INT, FKey TEXT COLLATE NOCASE, "
            "FVisible INT, FUnControl INT);"
            "CREATE TABLE QMEvaProj (FID INT, FProjID INT, FCheckerID INT, FTotalMark REAL);"
            "CREATE TABLE QMEvaProjEntry (FID INT, FPercent REAL, FProjS REAL);"
            "CREATE TABLE ICSelbills (FID TEXT COLLATE NOCASE, FAction TEXT);"
            "INSERT INTO t_SystemProfile VALUES ('GL','FBWB','2'),('IC','CurrentYear','2024');"
            "INSERT INTO t_Currency VALUES (1,'USD'),(2,'RMB');"
            "INSERT INTO ICClassType VALUES (-21,32),(22,1),(23,33);"
            "INSERT INTO ICBillNo VALUES (21,'Out',2),(22,'In',1),(23,'Move',3);"
            "INSERT INTO ICClassTableInfo VALUES (1002513,'FLetter',0,7),(1002514,'FSort',0,1),"
            "(1002519,'FAuxQty',4095,0),(1002519,'FConversion',0,0);"
            "INSERT INTO QMEvaProj VALUES (1,10,0,100),(2,20,5,100);"
            "INSERT INTO QMEvaProjEntry VALUES (1,30,0),(2,30,0);"
            "INSERT INTO ICSelbills VALUES ('I02',NULL);");
    }

    std::string text(std::string_view sql) { return scalarText(*db, sql); }

    TempDatabaseFile file;
    std::unique_ptr<SqliteDatabase> db;
};

} // namespace

TEST_F(StatementShapes, JoinedUpdatesWithWhereOnItsOwnLine)
{
    db->execute("update QMEvaProj set FTotalMark=85 where FCheckerID=0 \r\n"
                "update t1 set t1.FProjS=t1.FPercent*85/100 from QMEvaProjEntry t1 left outer "
                "join QMEvaProj t2 on t1.FID=t2.FID\r\n"
                "where t2.FCheckerID=0 ");
    EXPECT_EQ(text("select group_concat(FProjS) from QMEvaProjEntry"), "25.5,0.0");
    EXPECT_EQ(text("select group_concat(FTotalMark) from QMEvaProj"), "85.0,100.0");
}

TEST_F(StatementShapes, BitTestsInSubqueriesAndConvertOfASubquery)
{
    auto rows = db->execute("Select FBillID,FBillName AS FBillName from ICBillNo where FBillID IN "
                            "(SELECT ABS(FID) FROM ICClassType WHERE FControl&32>0) Order by FPos");
    ASSERT_EQ(rows->RecordCount(), 2);
    EXPECT_EQ(rows->Fields("fbillname").Value(), Variant("Out"));
    rows = db->execute("select FName from t_currency where FCurrencyID=convert(int,(Select FValue "
                       "From t_SystemProfile where FKey='FBWB' And FCategory='GL'))");
    EXPECT_EQ(rows->Fields("FName").Value(), Variant("RMB"));
}

TEST_F(StatementShapes, ControlFlagBatchWithTrailingLineBreak)
{
    db->execute("UPDATE ICClassTableInfo SET FVisible=-1,FUnControl= FUnControl|1536 WHERE "
                "FClassTypeID=1002513 AND FKey IN ('FLetter')\r\n"
                "UPDATE ICClassTableInfo SET FVisible=-1,FUnControl= FUnControl|1536 WHERE "
                "FClassTypeID=1002514 AND FKey IN ('FSort')\r\nUPDATE ICClassType SET FID=FID\r\n");
    EXPECT_EQ(text("select group_concat(FVisible || '/' || FUnControl) from ICClassTableInfo "
                   "where FClassTypeID<1002519"),
              "-1/1543,-1/1537");
}

TEST_F(StatementShapes, TemplateBatchWithCommentsAndNationalLiterals)
{
    db->execute("--工序流转卡单据\r\n"
                "UPDATE ICClassTableInfo SET FVisible=FVisible  & (~2047) WHERE  "
                "FClasstypeid=1002519 \r\n"
                " AND Fkey in ('FAuxQtyCoefficient',N'FAuxQty')\r\n"
                "UPDATE ICClassTableInfo SET FVisible=FVisible | 782 WHERE  FClasstypeid=1002519 "
                "\r\n AND Fkey in (N'FConversion')\r\n"
                "--流转卡\r\n");
    EXPECT_EQ(text("select group_concat(FVisible) from ICClassTableInfo where "
                   "FClassTypeID=1002519"),
              "2048,782");
}

TEST_F(StatementShapes, LiteralsHoldingQuotedOperators)
{
    const std::string action =
        "CASE t12.FOperator WHEN '/' THEN 1/t12.FExchangeRate ELSE t12.FExchangeRate END";
    db->execute("UPDATE ICSelbills SET FAction='CASE t12.FOperator WHEN ''/'' THEN "
                "1/t12.FExchangeRate ELSE t12.FExchangeRate END'  \r\n"
                "Where FID IN ('I02','I03')");
    EXPECT_EQ(text("select FAction from ICSelbills"), action);
}

TEST_F(StatementShapes, UnionOfProfileRowsOrderedByComputedSort)
{
    auto rows =
        db->execute("Select Fkey,Fvalue from t_systemprofile Where FKey in ('CurrentYear') And "
                    "FCategory='IC' Union Select FKey,Fvalue From t_SystemProfile where Fkey in "
                    "('FBWB') And FCategory='GL' Order By Fkey");
    ASSERT_EQ(rows->RecordCount(), 2);
    EXPECT_EQ(rows->Fields("FKEY").Value(), Variant("CurrentYear"));
    rows->MoveNext();
    EXPECT_EQ(rows->Fields("fvalue").Value(), Variant("2"));
}
