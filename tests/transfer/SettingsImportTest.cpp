#include "support/AccountFixture.h"
#include "support/ServerAccount.h"

#include "base/Error.h"
#include "suite/AppConnection.h"
#include "transfer/SettingsFile.h"
#include "transfer/SettingsImport.h"

using namespace orvan;

namespace {

std::string withoutTime(std::string text)
{
    const auto at = text.find("\"exported\": ");
    return at == std::string::npos ? text : text.erase(at, text.find('\n', at) - at);
}

// A settings file of the given entry lines.
transfer::SettingsFile fileOf(const std::vector<std::string> &lines, int version = 1)
{
    std::string text = R"({"format": "orvan-sysmaintain settings", "schemaVersion": )" +
                       std::to_string(version) + R"(, "entries": [)";
    for (size_t i = 0; i < lines.size(); ++i)
        text += (i ? "," : "") + lines[i];
    return transfer::parseSettingsFile(text + "]}");
}

std::string option(const std::string &category, const std::string &key, const std::string &value)
{
    return R"({"table":"t_SystemProfile","key":[")" + category + R"(",")" + key +
           R"("],"field":"FValue","value":")" + value + R"("})";
}

class SettingsImportTest : public test::AccountFixture<>
{
protected:
    void SetUp() override
    {
        AccountFixture::SetUp();
        connectProcess();
    }

    std::string profile(const std::string &key)
    {
        return text("SELECT FValue FROM t_SystemProfile WHERE FKey = '" + key + "'");
    }
    long historyRows() { return count("SELECT COUNT(*) FROM t_ChangeHistory"); }
};

TEST_F(SettingsImportTest, ExportImportIntoAFreshAccountAndExportAgainGivesTheSameFile)
{
    run("UPDATE t_SystemProfile SET FValue = '7' WHERE FKey = 'QMCheckDecimal'");
    run("UPDATE t_SystemProfile SET FValue = '1' WHERE FKey = 'UseLetterSortField'");
    run("UPDATE ICBillNo SET FPreLetter = 'PO-' WHERE FBillID = 1");
    run("UPDATE t_VoucherGroup SET FName = 'Transfer' WHERE FGroupID = 1");
    run("INSERT INTO t_BillCodeRule (FBillID, FClassIndex, FProjectID, FLength, FAddChar) "
        "SELECT FBillID, 9, 1, 2, '-' FROM ICBillNo WHERE FBillID = 1");
    const auto exported = transfer::exportSettings({});

    test::TempAccount fresh;
    component::processState().connection =
        std::make_shared<suite::AppConnection>(fresh.connectString());
    const auto report = transfer::importSettings(transfer::parseSettingsFile(exported), false);
    EXPECT_TRUE(report.applied);
    EXPECT_TRUE(report.refused.empty()) << report.refused.front().reason;
    EXPECT_EQ(report.changes.size(), 4u + 7u) << transfer::importListing(report);
    EXPECT_EQ(withoutTime(transfer::exportSettings({})), withoutTime(exported));

    EXPECT_EQ(fresh.value("SELECT COUNT(*) FROM t_ChangeHistory WHERE FAction = 'settings import' "
                          "AND FTable = 't_SystemProfile' AND FRecord = 'IC.QMCheckDecimal' AND "
                          "FOldValue = '2' AND FNewValue = '7'"),
              "1");
    EXPECT_EQ(fresh.value("SELECT FNewValue FROM t_ChangeHistory WHERE FTable = 'templates'"),
              "53 rows rewritten")
        << "the option's template rewrite ran and is recorded once";
    EXPECT_EQ(fresh.value("SELECT COUNT(*) FROM t_ChangeHistory WHERE FTable = 't_BillCodeRule' "
                          "AND FRecord = '1.9'"),
              "7")
        << "a new rule row: one history row per value";
}

TEST_F(SettingsImportTest, ADryRunListsTheChangesAndWritesNothing)
{
    const auto before = transfer::exportSettings({});
    const auto file =
        fileOf({option("IC", "QMCheckDecimal", "10"), option("SH", "UseLetterSortField", "1"),
                R"({"table":"ICBillNo","key":["1"],"field":"FPreLetter","value":null})"});
    const auto report = transfer::importSettings(file, true);
    EXPECT_FALSE(report.applied);
    EXPECT_TRUE(report.refused.empty());
    EXPECT_EQ(transfer::importListing(report),
              "table\trecord\tfield\tcurrent\tnew\n"
              "t_SystemProfile\tIC.QMCheckDecimal\tFValue\t2\t10\n"
              "t_SystemProfile\tSH.UseLetterSortField\tFValue\t0\t1\n"
              "ICBillNo\t1\tFPreLetter\t" +
                  text("SELECT FPreLetter FROM ICBillNo WHERE FBillID = 1") + "\t\n");
    EXPECT_EQ(withoutTime(transfer::exportSettings({})), withoutTime(before));
    EXPECT_EQ(historyRows(), 0);
    EXPECT_TRUE(messages->shown().empty()) << "the checks' messages are recorded, not shown";
}

TEST_F(SettingsImportTest, OneValueTheOptionRulesRefuseKeepsEveryOtherValueOut)
{
    const auto file =
        fileOf({option("SH", "UseLetterSortField", "1"), option("IC", "QMCheckDecimal", "11")});
    const auto report = transfer::importSettings(file, false);
    EXPECT_FALSE(report.applied);
    ASSERT_EQ(report.refused.size(), 1u);
    EXPECT_EQ(report.refused[0].entry.key[1], "QMCheckDecimal");
    EXPECT_EQ(report.refused[0].reason, "检验单套打检验项目精度设置必须在1-10之间！");
    EXPECT_EQ(profile("UseLetterSortField"), "0");
    EXPECT_EQ(profile("QMCheckDecimal"), "2");
    EXPECT_EQ(historyRows(), 0);

    const auto accepted = transfer::importSettings(
        fileOf({option("SH", "UseLetterSortField", "1"), option("IC", "QMCheckDecimal", "10")}),
        false);
    EXPECT_TRUE(accepted.applied) << "10 is the highest accepted value";
    EXPECT_EQ(profile("QMCheckDecimal"), "10");
    EXPECT_EQ(profile("UseLetterSortField"), "1");
}

TEST_F(SettingsImportTest, AnOptionWithADetailDialogTakesItsDetailsFromTheFileWithoutTheDialog)
{
    const auto report = transfer::importSettings(
        fileOf({option("SH", "MO_CLOSEOPTION", "1"),
                option("SH", "MO_CLOSEOPTION_IssueFinished", "1"), option("SH", "MO_CLOSE", "1")}),
        false);
    ASSERT_EQ(report.refused.size(), 1u) << "a key that only begins like an option";
    EXPECT_EQ(report.refused[0].entry.key[1], "MO_CLOSE");
    const auto details =
        transfer::importSettings(fileOf({option("SH", "MO_CLOSEOPTION", "1"),
                                         option("SH", "MO_CLOSEOPTION_IssueFinished", "1")}),
                                 false);
    EXPECT_TRUE(details.applied);
    EXPECT_EQ(profile("MO_CLOSEOPTION"), "1");
    EXPECT_EQ(profile("MO_CLOSEOPTION_IssueFinished"), "1");
    EXPECT_TRUE(shell->formsRun().empty()) << "no detail dialog opened";
}

TEST_F(SettingsImportTest, UnknownTablesFieldsAndRecordsAreRefusedAndTheCalendarIsKept)
{
    const auto report = transfer::importSettings(
        fileOf({R"({"table":"t_Secret","key":["1"],"field":"FValue","value":"1"})",
                R"({"table":"ICBillNo","key":["1"],"field":"FBillID","value":"2"})",
                R"({"table":"ICBillNo","key":["1","2"],"field":"FPreLetter","value":"A"})",
                R"({"table":"ICBillNo","key":["99999"],"field":"FPreLetter","value":"A"})",
                option("IC", "NoSuchOption", "1"), option("IC", "CurrentYear", "2030"),
                option("IC", "QMCheckDecimal", "3"), option("IC", "QMCheckDecimal", "4")}),
        false);
    EXPECT_FALSE(report.applied);
    std::vector<std::string> reasons;
    for (const auto &refusal : report.refused)
        reasons.push_back(refusal.reason);
    EXPECT_EQ(reasons,
              (std::vector<std::string>{"未知的表t_Secret。", "表ICBillNo没有可导入的字段FBillID。",
                                        "表ICBillNo的记录由1个值确定。", "账套中没有这条记录。",
                                        "账套中没有这条记录。", "文件中此值出现了两次。"}));
    ASSERT_EQ(report.kept.size(), 1u);
    EXPECT_EQ(report.kept[0].record(), "IC.CurrentYear");
    EXPECT_EQ(profile("QMCheckDecimal"), "2");
}

TEST_F(SettingsImportTest, AFileThatIsNotOneWeReadIsRefusedWithItsReason)
{
    const auto refusal = [](const std::string &text) {
        try {
            transfer::parseSettingsFile(text);
        } catch (const base::Error &error) {
            return error.description();
        }
        return std::string("read");
    };
    EXPECT_EQ(refusal("{"), "the settings file is not JSON");
    EXPECT_EQ(refusal(R"({"format": "other"})"), "not a settings file of orvan-sysmaintain");
    EXPECT_EQ(refusal(R"({"format": "orvan-sysmaintain settings", "schemaVersion": 2})"),
              "the settings file was written by a newer version of the program (schema 2; this "
              "one reads up to 1); nothing was imported");
    EXPECT_EQ(refusal(R"({"format": "orvan-sysmaintain settings", "schemaVersion": 1,
                          "entries": [{"table":"ICBillNo","key":[1],"field":"F","value":"1"}]})"),
              "entry 1 has no key of texts");
    EXPECT_EQ(fileOf({}).entries.size(), 0u);
    EXPECT_FALSE(transfer::importSettings(fileOf({}), false).applied) << "nothing to apply";
}

TEST_F(SettingsImportTest, AServerAccountTakesTheImportWithItsHistory)
{
    ORVAN_REQUIRE_TEST_SERVER();
    test::ServerAccount server;
    component::processState().connection =
        std::make_shared<suite::AppConnection>(server.connectString());
    const auto file =
        fileOf({option("SH", "UseLetterSortField", "1"),
                R"({"table":"t_VoucherGroup","key":["1"],"field":"FName","value":"S"})"});
    EXPECT_TRUE(transfer::importSettings(file, false).applied);
    auto &account = component::requireConnection();
    EXPECT_EQ(account.Execute("SELECT FName FROM t_VoucherGroup WHERE FGroupID = 1")
                  ->Fields(0)
                  .Value()
                  .text(),
              "S");
    EXPECT_EQ(account
                  .Execute("SELECT COUNT(*) FROM t_ChangeHistory WHERE FAction = "
                           "'settings import'")
                  ->Fields(0)
                  .Value()
                  .toLong(),
              3)
        << "the option, the template summary and the group's name";
}

} // namespace
