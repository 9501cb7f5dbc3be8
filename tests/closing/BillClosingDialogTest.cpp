#include "ClosingFixture.h"

#include "closing/CloseBillWindow.h"
#include "component/Interface.h"
#include "component/ProcessState.h"
#include "suite/StandIns.h"

using namespace orvan;
using closing::BillClosingDialog;

namespace {

const std::string Unverified =
    "本期有3张出入库单据未审核：产品入库单1张、销售出库单1张、生产领料单1张。";
const std::string WithoutVoucher =
    "本期有2张已审核的出入库单据未生成凭证：外购入库单1张、其他出库单1张。";
const std::string PeriodArguments = " 2026/12 2026-12-01 2027-01-01";

} // namespace

using BillClosingDialogTest = test::ClosingFixture;

TEST_F(BillClosingDialogTest, OpensOnTheCurrentPeriodWithTheButtonsOfTheStoredState)
{
    BillClosingDialog window;
    window.load();
    EXPECT_EQ(window.ReturnCode(), 0);
    ASSERT_TRUE(window.PeriodInfo());
    EXPECT_EQ(window.PeriodInfo()->item("CurrentYear").toLong(), 2026);
    EXPECT_EQ(window.PeriodInfo()->item("CurrentPeriod").toLong(), 12);
    EXPECT_EQ(window.PeriodInfo()->item("BeginDate").text(), "2026-12-01");
    EXPECT_EQ(window.PeriodInfo()->item("EndDate").text(), "2027-01-01");
    EXPECT_EQ(window.describeButtons(),
              "Close enabled\nReopen disabled\nReconcile enabled\nExit enabled\n");
    EXPECT_EQ(window.periodText(), "2026年第12期（2026-12-01至2026-12-31）") << "its last day";
    EXPECT_EQ(window.confirmationOf("close"),
              "确定要关闭2026年第12期（2026-12-01至2026-12-31）的出入库单据吗？");
    EXPECT_EQ(window.confirmationOf("Exit"), "");
    EXPECT_EQ(window.button("close")->caption, "关账(&S)");
    EXPECT_EQ(window.button("Reopen")->toolTip, "反关账切换导关账");
    EXPECT_TRUE(messages->shown().empty());

    // The stored value is trimmed; anything but "1" is the open state.
    for (const auto &[stored, closed] : std::vector<std::pair<std::string, bool>>{
             {" 1 ", true}, {"1", true}, {"2", false}, {"", false}, {"10", false}}) {
        setProfileValue("BillStatus", stored);
        BillClosingDialog reopened;
        reopened.load();
        EXPECT_EQ(enabled(reopened, BillClosingDialog::CloseKey), !closed) << stored;
        EXPECT_EQ(enabled(reopened, BillClosingDialog::ReopenKey), closed) << stored;
    }
}

TEST_F(BillClosingDialogTest, BothFlagsOffReportsBothChecksOnTheirOwnLinesAndKeepsThePeriodOpen)
{
    BillClosingDialog window;
    window.load();
    EXPECT_TRUE(window.press(BillClosingDialog::CloseKey));
    EXPECT_EQ(costCommon->calls, (std::vector<std::string>{"CheckCurVer" + PeriodArguments,
                                                           "CheckCurCre" + PeriodArguments}));
    ASSERT_EQ(messages->shown().size(), 1u);
    const auto &shown = messages->shown()[0];
    EXPECT_EQ(shown.text, Unverified + "\r\n" + WithoutVoucher + "\r\n关账失败!");
    EXPECT_EQ(shown.title, "Tessel提示");
    EXPECT_EQ(shown.icon, forms::Icon::Warning);
    EXPECT_EQ(profileValue("BillStatus"), "0");
    EXPECT_TRUE(enabled(window, BillClosingDialog::CloseKey));
    EXPECT_FALSE(enabled(window, BillClosingDialog::ReopenKey));
    // ICBillPos is on: the period's bills were saved before the checks.
    EXPECT_EQ(sql("SELECT count(*) FROM ICBillPosData")->Fields(0).Value().toLong(), 9);
}

TEST_F(BillClosingDialogTest, EachFlagPairAsksForItsOwnCheck)
{
    struct Case
    {
        const char *notGetCre;
        const char *notVer;
        std::vector<std::string> calls;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"1", "0", {"CheckCurVer" + PeriodArguments}, Unverified + "\r\n关账失败!"},
        {"0", "1", {"CheckCurCre" + PeriodArguments}, WithoutVoucher + "\r\n关账失败!"},
    };
    for (const auto &c : cases) {
        allowClosing(c.notGetCre, c.notVer);
        costCommon->calls.clear();
        messages->clear();
        BillClosingDialog window;
        window.load();
        window.press(BillClosingDialog::CloseKey);
        EXPECT_EQ(costCommon->calls, c.calls) << c.notGetCre << c.notVer;
        EXPECT_EQ(shownTexts(), (std::vector<std::string>{c.message}));
        EXPECT_EQ(profileValue("BillStatus"), "0");
    }
}

TEST_F(BillClosingDialogTest, ChecksThatFindNothingLetThePeriodClose)
{
    // Verify the period's bills and give them vouchers: both checks pass.
    sql("UPDATE ICStockBill SET FStatus=1, FVchInterID=2000+FInterID WHERE FDate>='2026-12-01'");
    BillClosingDialog window;
    window.load();
    window.press(BillClosingDialog::CloseKey);
    EXPECT_EQ(costCommon->calls.size(), 2u);
    EXPECT_EQ(shownTexts(), (std::vector<std::string>{"关账成功！"}));
    EXPECT_EQ(profileValue("BillStatus"), "1");
}

TEST_F(BillClosingDialogTest, BothFlagsOnCloseWithoutChecksAndReopenSwitchesBack)
{
    allowClosing("1", "1");
    BillClosingDialog window;
    window.load();
    EXPECT_TRUE(window.press(BillClosingDialog::CloseKey));
    EXPECT_TRUE(costCommon->calls.empty());
    EXPECT_EQ(profileValue("BillStatus"), "1");
    EXPECT_EQ(window.describeButtons(),
              "Close disabled\nReopen enabled\nReconcile enabled\nExit enabled\n");
    EXPECT_FALSE(window.press(BillClosingDialog::CloseKey))
        << "a disabled button cannot be pressed";

    EXPECT_TRUE(window.press(BillClosingDialog::ReopenKey));
    EXPECT_EQ(profileValue("BillStatus"), "0");
    EXPECT_TRUE(enabled(window, BillClosingDialog::CloseKey));
    EXPECT_FALSE(enabled(window, BillClosingDialog::ReopenKey));
    EXPECT_EQ(shownTexts(), (std::vector<std::string>{"关账成功！", "反关账成功！"}));
    EXPECT_FALSE(window.closeRequested()) << "the window stays open after each command";
}

TEST_F(BillClosingDialogTest, AMissingOrUnknownFlagMakesCloseEndSilently)
{
    sql("DELETE FROM t_SystemProfile WHERE FCategory='IC' AND FKey='NotVerBillToClose'");
    BillClosingDialog window;
    window.load();
    EXPECT_TRUE(window.press(BillClosingDialog::CloseKey));
    EXPECT_TRUE(costCommon->calls.empty());
    EXPECT_TRUE(messages->shown().empty());
    EXPECT_EQ(profileValue("BillStatus"), "0");
    EXPECT_TRUE(enabled(window, BillClosingDialog::CloseKey));

    setProfileValue("NotGetCreToClose", " 1");
    sql("INSERT INTO t_SystemProfile(FCategory,FKey,FValue) VALUES('IC','NotVerBillToClose','1')");
    window.press(BillClosingDialog::CloseKey);
    EXPECT_TRUE(messages->shown().empty()) << "flags are compared as text, untrimmed";
}

TEST_F(BillClosingDialogTest, ReopenNeedsNoChecksAndSucceedsOnAnOpenPeriod)
{
    BillClosingDialog window;
    window.load();
    window.reopenBills();
    EXPECT_EQ(shownTexts(), (std::vector<std::string>{"反关账成功！"}));
    EXPECT_EQ(profileValue("BillStatus"), "0");
    EXPECT_TRUE(costCommon->calls.empty());
}

TEST_F(BillClosingDialogTest, FailuresOfComponentsOrAccountAreSystemErrorsThatKeepTheButtons)
{
    setProfileValue("BillStatus", "1");
    allowClosing("1", "1");
    BillClosingDialog window;
    window.load();
    component::ComponentRegistry::instance().remove(component::ProgId::CostCommonModify);
    window.press(BillClosingDialog::ReopenKey);
    EXPECT_EQ(shownTexts(), (std::vector<std::string>{"系统错误，反关账失败！"}));
    EXPECT_FALSE(enabled(window, BillClosingDialog::CloseKey));
    EXPECT_TRUE(enabled(window, BillClosingDialog::ReopenKey));

    suite::registerStandIns(component::ComponentRegistry::instance());
    setProfileValue("BillStatus", "0");
    BillClosingDialog open;
    open.load();
    messages->clear();
    db::SqliteDatabase(accountPath).executeNative("DROP TABLE ICBillPosData"); // the save fails
    open.press(BillClosingDialog::CloseKey);
    EXPECT_EQ(shownTexts(), (std::vector<std::string>{"系统错误，关账失败！"}));
    EXPECT_EQ(profileValue("BillStatus"), "0");
    EXPECT_TRUE(enabled(open, BillClosingDialog::CloseKey));
}

TEST_F(BillClosingDialogTest, WithoutThePeriodCloseIsASystemErrorAndReopenStillWorks)
{
    sql("DELETE FROM t_PeriodDate WHERE FYear=2026 AND FPeriod=12");
    BillClosingDialog window;
    window.load();
    EXPECT_FALSE(window.PeriodInfo());
    EXPECT_EQ(window.periodText(), "");
    EXPECT_EQ(window.confirmationOf("Close"), "") << "nothing to name: no question";
    window.press(BillClosingDialog::CloseKey);
    window.press(BillClosingDialog::ReopenKey);
    EXPECT_EQ(shownTexts(), (std::vector<std::string>{"系统错误，关账失败！"}))
        << "Reopen is disabled in the open state";
    window.reopenBills();
    EXPECT_EQ(shownTexts().back(), "反关账成功！");
}

TEST_F(BillClosingDialogTest, ReconcileReturns118WithTheRightAndIsRefusedWithout)
{
    BillClosingDialog window;
    window.load();
    EXPECT_TRUE(window.press(BillClosingDialog::ReconcileKey));
    EXPECT_EQ(window.ReturnCode(), BillClosingDialog::ReconcileReturnCode);
    EXPECT_TRUE(window.closeRequested());
    EXPECT_FALSE(window.press(BillClosingDialog::ExitKey)) << "the window has ended";

    component::processState().rightsComponent.reset();
    loginAs(16395); // the guest holds no rights
    BillClosingDialog refused;
    refused.load();
    refused.press(BillClosingDialog::ReconcileKey);
    EXPECT_EQ(refused.ReturnCode(), 0);
    EXPECT_FALSE(refused.closeRequested());
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_EQ(messages->shown()[0].kind, forms::ShownMessage::Kind::SuiteMsgBox);
    EXPECT_EQ(messages->shown()[0].text, "对不起，您没有相应的权限！");
}

TEST_F(BillClosingDialogTest, F1ShowsTheHelpOfStandardCostingWhenItHasStarted)
{
    BillClosingDialog window;
    window.load();
    window.keyDown(forms::KeyCodeF1, 0);
    window.keyDown(113, 0);
    sql("UPDATE t_SystemProfile SET FValue='0' WHERE FCategory='StdCost' AND "
        "FKey='StdCostStart'");
    window.keyDown(forms::KeyCodeF1, 0);
    sql("DELETE FROM t_SystemProfile WHERE FCategory='StdCost' AND FKey='StdCostStart'");
    window.keyDown(forms::KeyCodeF1, 0);
    EXPECT_EQ(helpIds(),
              (std::vector<int32_t>{BillClosingDialog::StandardCostHelpId,
                                    BillClosingDialog::HelpId, BillClosingDialog::HelpId}));
}

TEST_F(BillClosingDialogTest, CloseBillRunsTheWindowThroughTheShellAndReturnsItsCode)
{
    closing::installCloseBillWindow();
    auto closer = component::ComponentRegistry::instance().createAs<component::Interface>(
        "OrvanSysMaintain.Interface");

    shell->queueDriver("frmShutBill", [](forms::Form &form) {
        dynamic_cast<BillClosingDialog &>(form).press(BillClosingDialog::ReconcileKey);
    });
    EXPECT_EQ(closer->CloseBill(), 118);
    shell->queueDriver("frmShutBill", [](forms::Form &form) {
        auto &window = dynamic_cast<BillClosingDialog &>(form);
        window.press(BillClosingDialog::CloseKey);
        window.press(BillClosingDialog::ExitKey);
    });
    EXPECT_EQ(closer->CloseBill(), 0);
    EXPECT_EQ(shell->formsRun(), (std::vector<std::string>{"frmShutBill", "frmShutBill"}));
    EXPECT_TRUE(shownTexts().back().ends_with("\r\n关账失败!"));

    component::processState().rightsComponent.reset();
    loginAs(16395);
    messages->clear();
    EXPECT_EQ(closer->CloseBill(), 0);
    EXPECT_EQ(shell->formsRun().size(), 2u) << "no window without the right";
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_EQ(messages->shown()[0].text, "对不起，您没有相应的权限！");
}

TEST_F(BillClosingDialogTest, AnEnglishLoginTranslatesTheWindowAndTheChecks)
{
    suite::SharedProps::publishForThisProcess("ConnectString={Provider=SQLite;Data Source=" +
                                              accountPath + "};UserID=16394;LANGUAGE=EN;");
    BillClosingDialog window;
    window.load();
    EXPECT_EQ(window.button(BillClosingDialog::CloseKey)->caption, "&Close Bills");
    EXPECT_EQ(window.button(BillClosingDialog::ExitKey)->toolTip, "Leave bill closing");
    EXPECT_EQ(window.fontFamily(), "DejaVu Sans");
    EXPECT_EQ(window.explanation().substr(0, 30), "Before the period-end closing,");
    EXPECT_EQ(window.confirmationOf("Reopen"),
              "Reopen period 12 of 2026 (2026-12-01 to 2026-12-31)?");
    window.press(BillClosingDialog::CloseKey);
    EXPECT_EQ(shownTexts(),
              (std::vector<std::string>{
                  "Unapproved stock bills of the period: 3 (Product Receipt 1, Sales "
                  "Delivery 1, Production Issue 1).\r\nApproved stock bills of the period "
                  "without vouchers: 2 (Purchase Receipt 1, Miscellaneous Issue 1).\r\nThe "
                  "bills could not be closed."}));
    EXPECT_EQ(messages->shown()[0].title, "Tessel Message");
    EXPECT_EQ(messages->shown()[0].icon, forms::Icon::Warning) << "a refusal to act on";
}

TEST_F(BillClosingDialogTest, BothFlagsOffRefusesWhenOnlyOneCheckFindsBills)
{
    struct Case
    {
        const char *setUp;
        std::string message;
    };
    const std::vector<Case> cases = {
        // Every bill has its voucher, some are unverified.
        {"UPDATE ICStockBill SET FVchInterID=2000+FInterID WHERE FDate>='2026-12-01'",
         Unverified + "\r\n\r\n关账失败!"},
        // Every bill is verified, some have no voucher.
        {"UPDATE ICStockBill SET FStatus=1, FVchInterID=2000+FInterID WHERE FDate>='2026-12-01';"
         "UPDATE ICStockBill SET FVchInterID=0 WHERE FInterID IN (5,12)",
         "\r\n本期有2张已审核的出入库单据未生成凭证：外购入库单1张、其他出库单1张。\r\n关账失败!"},
    };
    for (const auto &c : cases) {
        db::SqliteDatabase(accountPath).executeNative(c.setUp);
        messages->clear();
        BillClosingDialog window;
        window.load();
        window.press(BillClosingDialog::CloseKey);
        EXPECT_EQ(shownTexts(), (std::vector<std::string>{c.message})) << c.setUp;
        EXPECT_EQ(profileValue("BillStatus"), "0") << c.setUp;
        EXPECT_TRUE(enabled(window, BillClosingDialog::CloseKey));
    }
}

TEST_F(BillClosingDialogTest, PositionSaveLeavesOutBillsDatedOnThePeriodEnd)
{
    sql("INSERT INTO ICStockBill (FInterID, FBrNo, FBillNo, FTranType, FBillTypeID, FDate, "
        "FStatus, FCheckerID, FSCBillInterID, FVchInterID, FBillerID, FAmount, FNote) VALUES "
        "(40, '0', 'WIN000140', 1, 1, '2027-01-01', 1, 16394, 0, 1040, 16394, 100.0, '')");
    sql("INSERT INTO ICStockBill (FInterID, FBrNo, FBillNo, FTranType, FBillTypeID, FDate, "
        "FStatus, FCheckerID, FSCBillInterID, FVchInterID, FBillerID, FAmount, FNote) VALUES "
        "(41, '0', 'WIN000141', 1, 1, '2026-11-30', 1, 16394, 0, 1041, 16394, 100.0, '')");
    BillClosingDialog window;
    window.load();
    window.press(BillClosingDialog::CloseKey);
    EXPECT_EQ(sql("SELECT count(*) FROM ICBillPosData")->Fields(0).Value().toLong(), 9)
        << "the period's nine bills, without those of the day before or of the end date";
    EXPECT_EQ(shownTexts(),
              (std::vector<std::string>{Unverified + "\r\n" + WithoutVoucher + "\r\n关账失败!"}));
}
