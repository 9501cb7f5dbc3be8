#include "support/AccountFixture.h"

#include "base/Error.h"
#include "db/Database.h"
#include "db/Transaction.h"
#include "suite/AppConnection.h"
#include "suite/ChangeHistory.h"

using namespace orvan;

namespace {

class ChangeHistoryTest : public test::AccountFixture<>
{
protected:
    void SetUp() override
    {
        AccountFixture::SetUp();
        setLogin("UserID=16394;UserName=administrator;SubID=;LANGUAGE=chs;");
        suite::setChangeCommand("profile set");
    }
    void TearDown() override { suite::setChangeCommand(""); }

    // The history lines, newest first, without their time and machine.
    std::vector<std::string> history(suite::HistoryQuery query = {})
    {
        std::vector<std::string> lines;
        for (const auto &row : suite::readHistory(app.database(), query)) {
            std::string line = row[1] + "|" + row[2];
            for (size_t i = 4; i < row.size(); ++i)
                line += "|" + row[i];
            lines.push_back(line);
        }
        return lines;
    }

    suite::AppConnection app{account.connectString()};
};

TEST_F(ChangeHistoryTest, EachChangedValueIsOneRowWithItsOldAndNewValue)
{
    EXPECT_TRUE(history().empty()) << "a new account has no history yet";
    app.Execute("UPDATE t_SystemProfile SET FValue='2027' WHERE FCategory='IC' AND "
                "FKey='CurrentYear'");
    app.Execute("UPDATE t_SystemProfile SET FValue='2027' WHERE FCategory='IC' AND "
                "FKey='CurrentYear'"); // the same value: no change
    app.Execute("UPDATE ICBillType SET FNote='Note', FName=FName WHERE FID=1");
    app.Execute("UPDATE ICBillType SET FNote='note' WHERE FID=1"); // case counts
    app.Execute("INSERT INTO t_VoucherGroup (FGroupID, FName) VALUES (90, '新')");
    app.Execute("DELETE FROM t_VoucherGroup WHERE FGroupID=90");
    EXPECT_EQ(history(), (std::vector<std::string>{
                             "16394|administrator|t_VoucherGroup|90|FBrNo|0||profile set",
                             "16394|administrator|t_VoucherGroup|90|FName|新||profile set",
                             "16394|administrator|t_VoucherGroup|90|FBrNo||0|profile set",
                             "16394|administrator|t_VoucherGroup|90|FName||新|profile set",
                             "16394|administrator|ICBillType|1|FNote|Note|note|profile set",
                             "16394|administrator|ICBillType|1|FNote|系统预设|Note|profile set",
                             "16394|administrator|t_SystemProfile|IC.CurrentYear|FValue|2026|"
                             "2027|profile set"}));
    EXPECT_EQ(history({.key = "currentyear"}).size(), 1u) << "the key's last part";
    EXPECT_EQ(history({.key = "t_VoucherGroup"}).size(), 4u) << "a table";
    EXPECT_EQ(history({.limit = 2}).size(), 2u);
    EXPECT_EQ(history({.since = "2999-01-01"}).size(), 0u);
    EXPECT_EQ(history({.user = 16395}).size(), 0u);
}

TEST_F(ChangeHistoryTest, AChangeMadeWhileReadingIsRecordedToo)
{
    db::Transaction reading(app.database(), db::Transaction::Kind::Read);
    app.Execute("SELECT FValue FROM t_SystemProfile");
    app.Execute("UPDATE ICPrintMaxCount SET FPrintMaxCount=FPrintMaxCount+1 WHERE FID=2");
    reading.commit();
    EXPECT_EQ(history().size(), 1u);
}

TEST_F(ChangeHistoryTest, AFailedBatchLeavesNeitherItsChangeNorItsHistory)
{
    EXPECT_THROW(app.Execute("UPDATE t_SystemProfile SET FValue='9' WHERE FKey='CurrentYear'\n"
                             "INSERT INTO NoSuchTable VALUES (1)"),
                 base::Error);
    EXPECT_EQ(text("SELECT FValue FROM t_SystemProfile WHERE FCategory='IC' AND "
                   "FKey='CurrentYear'"),
              "2026");
    EXPECT_TRUE(history().empty());
    app.Execute("UPDATE t_SystemProfile SET FValue='9' WHERE FKey='CurrentYear'");
    EXPECT_FALSE(history().empty()) << "the accepted neighbour is recorded";
}

TEST_F(ChangeHistoryTest, RowsAreRemovedOnlyByTheAdministratorsPrune)
{
    app.Execute("UPDATE t_SystemProfile SET FValue='x' WHERE FKey='CurrentYear'");
    const auto rows = history().size();
    EXPECT_THROW(app.Execute("UPDATE t_ChangeHistory SET FNewValue='y'"), base::Error);
    EXPECT_THROW(app.Execute("DELETE FROM t_ChangeHistory"), base::Error);
    EXPECT_EQ(history().size(), rows);
    EXPECT_THROW(suite::pruneHistory(app.database(), "2026-02-30"), base::Error) << "no such day";
    EXPECT_EQ(suite::historyDay("2024/02/29"), "2024-02-29");
    EXPECT_EQ(suite::historyDay("2024-2-29"), std::nullopt);

    for (const char *login :
         {"UserID=16395;UserName=Guest;", "UserID=-;", "UserID=;", "UserID=16394 OR 1=1;"}) {
        setLogin(std::string(login) + "SubID=;LANGUAGE=chs;");
        EXPECT_THROW(suite::pruneHistory(app.database(), "2999-01-01"), base::Error) << login;
    }
    EXPECT_EQ(history().size(), rows);

    setLogin("UserID=16394;UserName=administrator;SubID=;LANGUAGE=chs;");
    suite::setChangeCommand("history prune");
    EXPECT_EQ(suite::pruneHistory(app.database(), "2000-01-01"), 0) << "all rows are newer";
    EXPECT_EQ(suite::pruneHistory(app.database(), "2999-01-01"), static_cast<int64_t>(rows + 1));
    EXPECT_EQ(history(),
              std::vector<std::string>{"16394|administrator|t_ChangeHistory||FTime|"
                                       "before 2999-01-01|" +
                                       std::to_string(rows + 1) + " rows removed|history prune"});
}

} // namespace
