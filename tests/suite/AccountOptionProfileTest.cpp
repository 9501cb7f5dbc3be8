#include "support/AccountFixture.h"

#include <vector>

#include "base/Dictionary.h"
#include "component/ProcessState.h"
#include "db/SqliteDatabase.h"
#include "forms/Messages.h"
#include "forms/Printer.h"
#include "suite/AccountOptionProfile.h"
#include "suite/AppConnection.h"

using namespace orvan;

namespace {

class OptionProfile : public test::AccountFixture<>
{
protected:
    void SetUp() override
    {
        AccountFixture::SetUp();
        connectProcess();
        forms::setPrinter(printer);
        control.setEvents(recordingEvents());
    }

    component::OptionProfileEvents recordingEvents()
    {
        component::OptionProfileEvents events;
        events.OptionChanging = [this](const std::string &key, const base::Variant &value,
                                       bool &cancel) {
            log.push_back("changing " + key + "=" + value.text());
            cancel = rejectChanges;
        };
        events.OptionChanged = [this](const std::string &key, const base::Variant &) {
            log.push_back("changed " + key + " stored=" + stored(key));
        };
        events.OptionCommitted = [this](const std::string &key, const base::Variant &) {
            log.push_back("committed " + key + " stored=" + stored(key));
        };
        events.OptionSwitched = [this](int position, bool on) {
            log.push_back("switched " + std::to_string(position) + (on ? " on" : " off"));
            if (failSwitch)
                throw base::Error(1, "rewrite failed");
        };
        events.BomOptionRequest = [this] { log.push_back("bom"); };
        events.ShortageWarningRequest = [this](const base::ObjectPtr &request) {
            auto &entries = dynamic_cast<base::Dictionary &>(*request);
            log.push_back("shortage " + entries.value("Category").text() + "/" +
                          entries.value("Key").text());
        };
        return events;
    }

    // The value as the process's connection sees it: inside the change while it is made.
    std::string stored(const std::string &key, const std::string &table = "t_SystemProfile")
    {
        auto rows = component::requireConnection().Execute("SELECT FValue FROM " + table +
                                                           " WHERE FKey = '" + key + "'");
        return rows->isEOF() ? "-" : rows->Fields(0).Value().text();
    }

    void show(int32_t page)
    {
        control.setPageCode(page);
        control.ShowPage();
    }

    std::shared_ptr<forms::ScriptedPrinter> printer = std::make_shared<forms::ScriptedPrinter>();
    suite::AccountOptionProfile control;
    std::vector<std::string> log;
    bool rejectChanges = false;
    bool failSwitch = false;
};

TEST_F(OptionProfile, PageShowsItsGroupInOrderWithStoredValues)
{
    show(8);
    const auto &rows = control.sheet().rows;
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].key, "QMCheckDecimal");
    EXPECT_EQ(rows[0].kind, forms::OptionKind::WholeNumber);
    EXPECT_EQ(rows[1].caption, "供应商评估总分");
    EXPECT_EQ(rows[2].kind, forms::OptionKind::Decimal);
    EXPECT_EQ(control.sheet().title, "质量系统选项");
    EXPECT_TRUE(control.sheet().visible);

    // A value stored in the profile wins over the definition's default.
    db::SqliteDatabase(accountPath)
        .execute("UPDATE t_SystemProfile SET FValue='75' "
                 "WHERE FCategory='IC' AND FKey='PassEvaluateMark'");
    show(8);
    EXPECT_EQ(control.sheet().row("PassEvaluateMark")->value, "75");
    EXPECT_EQ(control.OptionValue("PassEvaluateMark").toDouble(), 75);
}

TEST_F(OptionProfile, AcceptedChangeRunsTheNotificationsAroundTheStore)
{
    show(18);
    ASSERT_TRUE(control.ChangeOption("OperMoveNoEnabled", "on"));
    const std::vector<std::string> expected{
        "changing OperMoveNoEnabled=1", "changed OperMoveNoEnabled stored=0",
        "committed OperMoveNoEnabled stored=1", "switched 9 on"};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(control.OptionValue("OperMoveNoEnabled").toLong(), 1);
    // The second change finds the stored row and updates it.
    ASSERT_TRUE(control.ChangeOption("OperMoveNoEnabled", "off"));
    EXPECT_EQ(stored("OperMoveNoEnabled"), "0");
}

TEST_F(OptionProfile, AFailedRewriteUndoesTheStoreAndShowsTheStoredValue)
{
    show(18);
    failSwitch = true;
    EXPECT_FALSE(control.ChangeOption("OperMoveNoEnabled", "on"));
    EXPECT_EQ(log.back(), "switched 9 on");
    EXPECT_EQ(lastMessage(), "rewrite failed");
    EXPECT_EQ(stored("OperMoveNoEnabled"), "0") << "nothing of the change is kept";
    EXPECT_EQ(control.sheet().row("OperMoveNoEnabled")->value, "0");

    failSwitch = false;
    EXPECT_TRUE(control.ChangeOption("OperMoveNoEnabled", "on"));
    EXPECT_EQ(stored("OperMoveNoEnabled"), "1");
}

// Another workstation stored the option after the page was read: the change offered over
// it is refused and the page shows the stored value; offered again, it goes in.
TEST_F(OptionProfile, AChangeOverSomeoneElsesValueIsRefusedAndShowsTheirs)
{
    show(18);
    run("UPDATE t_SystemProfile SET FValue='1' WHERE FKey='OperMoveNoEnabled'");
    EXPECT_FALSE(control.ChangeOption("OperMoveNoEnabled", "off"));
    EXPECT_NE(lastMessage().find("已被其他用户改为“1”"), std::string::npos) << lastMessage();
    EXPECT_TRUE(log.empty()) << "the window's checks never saw the stale change";
    EXPECT_EQ(control.sheet().row("OperMoveNoEnabled")->value, "1");
    EXPECT_EQ(stored("OperMoveNoEnabled"), "1");

    EXPECT_TRUE(control.ChangeOption("OperMoveNoEnabled", "off"));
    EXPECT_EQ(stored("OperMoveNoEnabled"), "0");
}

TEST_F(OptionProfile, CancelledOrInvalidChangeKeepsTheOldValue)
{
    show(25);
    rejectChanges = true;
    EXPECT_FALSE(control.ChangeOption("ImpCustomsDecimal", "4"));
    EXPECT_EQ(log, std::vector<std::string>{"changing ImpCustomsDecimal=4"});
    EXPECT_EQ(control.sheet().row("ImpCustomsDecimal")->value, "2");
    EXPECT_EQ(stored("ImpCustomsDecimal"), "2");

    rejectChanges = false;
    log.clear();
    EXPECT_FALSE(control.ChangeOption("ImpCustomsDecimal", "7"));   // above the limit
    EXPECT_FALSE(control.ChangeOption("ImpCustomsDecimal", "2.5")); // not whole
    EXPECT_FALSE(control.ChangeOption("NoSuchOption", "1"));
    EXPECT_TRUE(log.empty());
    ASSERT_EQ(messages->shown().size(), 3u);
    EXPECT_EQ(messages->shown()[0].text, "进口报关单金额精度不能大于6");
    EXPECT_EQ(stored("ImpCustomsDecimal"), "2");
}

TEST_F(OptionProfile, ValueKindsReachTheWindowAsTheRulesCompareThem)
{
    show(1);
    ASSERT_TRUE(control.ChangeOption("POOrderPushExchangeRate", "off"));
    EXPECT_EQ(control.OptionValue("POOrderPushExchangeRate").type(), base::VarType::Boolean);
    EXPECT_EQ(control.OptionValue("ApplyMapInPurchase").type(), base::VarType::Long);
    show(6);
    ASSERT_TRUE(control.ChangeOption("FSCRAP_FORMULA", "损耗数/产出数"));
    EXPECT_EQ(control.OptionValue("FSCRAP_FORMULA").toLong(), 1);
    EXPECT_EQ(forms::displayValue(*control.sheet().row("FSCRAP_FORMULA")), "损耗数/产出数");
}

TEST_F(OptionProfile, ButtonsRaiseTheirRequestsWithoutStoring)
{
    show(7);
    EXPECT_TRUE(control.ChangeOption("BomEOption", ""));
    show(3);
    EXPECT_TRUE(control.ChangeOption("ShortageWarningSet", ""));
    EXPECT_EQ(log, (std::vector<std::string>{"bom", "shortage IC/ShortageWarningSet"}));
    EXPECT_EQ(stored("ShortageWarningSet"), "-");
}

TEST_F(OptionProfile, AlarmPageShowsAndStoresTheUsersOwnValues)
{
    control.setAlarmCategory("IC");
    control.setAlarmUser(16394);
    show(suite::AccountOptionProfile::AlarmPage);
    ASSERT_EQ(control.sheet().rows.size(), 2u);
    EXPECT_EQ(control.sheet().row("AlarmShelfLife")->value, "0"); // the user's own
    EXPECT_EQ(control.sheet().row("AlarmHighInv")->value, "1");   // the default
    ASSERT_TRUE(control.ChangeOption("AlarmHighInv", "off"));
    EXPECT_EQ(stored("AlarmHighInv", "QMUserOption"), "0");
    EXPECT_EQ(stored("AlarmHighInv"), "-");
}

TEST_F(OptionProfile, LeavingCommitsTheOpenEditAndPrintingSendsThePage)
{
    show(26);
    control.setPendingEdit("ExpRebateRate", "9");
    control.LeavePage();
    EXPECT_EQ(stored("ExpRebateRate"), "9");
    int32_t mode = 1;
    control.PrintPage(mode);
    ASSERT_EQ(printer->jobs().size(), 1u);
    const auto &job = printer->jobs()[0];
    EXPECT_EQ(job.mode, forms::PrintMode::Print);
    EXPECT_EQ(job.document.title, "出口系统选项");
    ASSERT_EQ(job.document.rows.size(), 2u);
    EXPECT_EQ(job.document.rows[0], (std::vector<std::string>{"出口退税率(%)", "9"}));
}

} // namespace
