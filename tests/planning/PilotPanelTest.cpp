#include "PlanningFixture.h"

#include <filesystem>
#include <functional>

#include "component/ProcessState.h"
#include "db/ProcedureCatalog.h"
#include "planning/PilotPanel.h"
#include "support/ScopedEnvironment.h"

using namespace orvan;
using planning::PilotPanel;

namespace {

// Replaces the account's "AdjustForePlans" by one that records what it saw and answers
// with the given @Succeed.
void fakeProcedure(int16_t succeed, std::function<void(db::ProcedureCall &)> observe)
{
    db::ProcedureCatalog::instance().add("AdjustForePlans",
                                         {{"@ByType", db::ParameterDirection::Input, {}},
                                          {"@Succeed", db::ParameterDirection::Output, {}},
                                          {"@Reason", db::ParameterDirection::Output, {}}},
                                         [succeed, observe](db::ProcedureCall &call) {
                                             observe(call);
                                             call.setValue("@Succeed", base::Variant(succeed));
                                         });
}

} // namespace

using PilotPanelTest = test::PlanningFixture;

TEST_F(PilotPanelTest, DeletionShowsProgressAndClosesAtTheEnd)
{
    const long plansRows = count("SELECT (SELECT COUNT(*) FROM PLMPSPlan) + (SELECT COUNT(*) "
                                 "FROM PLMPS) + (SELECT COUNT(*) FROM PLMPSReq)");
    PilotPanel panel;
    panel.ifAdjust(false);
    shell->runModal(panel);
    EXPECT_TRUE(panel.closeRequested());
    EXPECT_EQ(panel.outcome(), PilotPanel::Outcome::Done);
    EXPECT_EQ(panel.labelText(), "删除主生产计划预测方案...");
    EXPECT_EQ(panel.progressBar().max, 3);
    EXPECT_EQ(panel.progressBar().value, 3);
    EXPECT_TRUE(panel.progressBar().visible);
    EXPECT_EQ(panel.pictureImage(), 2);
    EXPECT_EQ(panel.panelHeight(), PilotPanel::PanelHeight);
    EXPECT_EQ(count("SELECT COUNT(*) FROM PLMPS"), 0);
    EXPECT_EQ(text("SELECT FNewValue FROM t_ChangeHistory WHERE FTable='forecast plans' AND "
                   "FRecord='clean'"),
              std::to_string(plansRows) + " rows deleted");
}

TEST_F(PilotPanelTest, AFailedDeletionSaysWhyAndClosesThePanelWithNothingDeleted)
{
    account.runNative("DROP TABLE PLMPS");
    PilotPanel panel;
    shell->runModal(panel);
    EXPECT_TRUE(panel.closeRequested()) << "no end will come to close it";
    EXPECT_EQ(panel.outcome(), PilotPanel::Outcome::Unfinished);
    EXPECT_EQ(panel.labelText(), "删除主生产计划预测方案...");
    EXPECT_EQ(panel.progressBar().value, 1);
    EXPECT_NE(panel.failure().find("PLMPS"), std::string::npos) << panel.failure();
    ASSERT_EQ(messages->shown().size(), 1U);
    EXPECT_EQ(messages->shown()[0].text, panel.failure());
    EXPECT_EQ(messages->shown()[0].icon, forms::Icon::Critical);
    EXPECT_EQ(count("SELECT COUNT(*) FROM PLMPSPlan"), 2) << "nothing is deleted";
    EXPECT_EQ(count("SELECT COUNT(*) FROM t_ChangeHistory"), 0) << "and nothing recorded";
}

TEST_F(PilotPanelTest, AdjustmentRunsTheProcedureThenClearsTheDemands)
{
    PilotPanel panel;
    panel.ifAdjust(true);
    panel.AdjustType(component::ByTZCount);
    run("UPDATE t_SystemProfile SET FValue='5' WHERE FCategory='PL' AND FKey='TimeZoneCount'");
    shell->runModal(panel);
    EXPECT_EQ(panel.labelText(), "调整主生产计划预测方案结束");
    EXPECT_EQ(panel.outcome(), PilotPanel::Outcome::Done);
    EXPECT_EQ(panel.pictureImage(), 1);
    EXPECT_FALSE(panel.progressBar().visible);
    EXPECT_EQ(panel.panelHeight(), PilotPanel::PanelHeight - 500);
    EXPECT_EQ(panel.frameHeight(), PilotPanel::FrameHeight - 500);
    EXPECT_FALSE(panel.animationRunning());
    EXPECT_TRUE(panel.closeRequested());
    EXPECT_EQ(count("SELECT COUNT(*) FROM PLMPSReq"), 0);
    EXPECT_EQ(count("SELECT MAX(FTimeZone) FROM PLMPS"), 5);
    EXPECT_EQ(count("SELECT COUNT(*) FROM t_ChangeHistory WHERE FTable='forecast plans' AND "
                    "FRecord='adjust by count'"),
              1);
}

TEST_F(PilotPanelTest, AFailedProcedureLeavesTheDemandsAlone)
{
    run("UPDATE PLMPS SET FEndDate='2026-11-01' WHERE FInterID=3");
    const auto demands = count("SELECT COUNT(*) FROM PLMPSReq");
    PilotPanel panel;
    panel.ifAdjust(true);
    shell->runModal(panel);
    EXPECT_EQ(panel.labelText(), "预测方案调整过程中出错");
    EXPECT_EQ(panel.outcome(), PilotPanel::Outcome::Failed);
    EXPECT_FALSE(panel.failure().empty()) << "the procedure's reason";
    EXPECT_TRUE(panel.closeRequested());
    EXPECT_EQ(count("SELECT COUNT(*) FROM PLMPSReq"), demands);
    EXPECT_EQ(text("SELECT FStartDate FROM PLMPS WHERE FInterID=1"), "2026-11-30");
    EXPECT_EQ(count("SELECT COUNT(*) FROM t_ChangeHistory WHERE FTable='forecast plans'"), 0);
}

TEST_F(PilotPanelTest, AdjustmentErrorsAreShownAndThePassEnds)
{
    db::ProcedureCatalog::instance().clear(); // the account no longer has the procedure
    EXPECT_EQ(planning::runForecastPanel(true), PilotPanel::Outcome::Failed);

    planning::installPlanning();
    component::processState().connectString = "Provider=SQLite;Data Source=/nonexistent/a.db";
    PilotPanel panel;
    panel.ifAdjust(true);
    shell->runModal(panel);
    EXPECT_EQ(panel.labelText(), "调整主生产计划预测方案出错");
    EXPECT_NE(panel.failure().find("/nonexistent/a.db"), std::string::npos) << panel.failure();
    EXPECT_FALSE(panel.animationVisible()); // the connection failed before the animation
    EXPECT_TRUE(panel.closeRequested());
}

TEST_F(PilotPanelTest, WithoutTheSharedConnectionTheDemandsCannotBeClearedAndThatIsAnError)
{
    fakeProcedure(1, [](db::ProcedureCall &) { component::processState().connection.reset(); });
    PilotPanel panel;
    panel.ifAdjust(true);
    shell->runModal(panel);
    EXPECT_EQ(panel.labelText(), "调整主生产计划预测方案出错");
    EXPECT_EQ(panel.outcome(), PilotPanel::Outcome::Failed);
    EXPECT_GT(count("SELECT COUNT(*) FROM PLMPSReq"), 0);
}

TEST_F(PilotPanelTest, TheTypeReachesTheProcedure)
{
    std::vector<double> received;
    fakeProcedure(0, [&received](db::ProcedureCall &call) {
        received.push_back(call.value("@ByType").toDouble());
    });
    for (int32_t type : {component::ByTZCount, component::ByPlanStartDate})
        planning::runForecastPanel(true, type);
    EXPECT_EQ(received, (std::vector<double>{1, 0}));
    EXPECT_EQ(shell->formsRun(), (std::vector<std::string>{"PilotPanel", "PilotPanel"}));
}

TEST_F(PilotPanelTest, TheAnimationPlaysDuringTheProcedureAndAMissingFileOnlyLeavesItOff)
{
    const PilotPanel *shown = nullptr;
    std::vector<std::pair<bool, bool>> duringCall; // animation running, picture visible
    fakeProcedure(1, [&](db::ProcedureCall &) {
        duringCall.emplace_back(shown->animationRunning(), shown->pictureVisible());
    });
    {
        PilotPanel panel;
        shown = &panel;
        panel.ifAdjust(true);
        shell->runModal(panel);
        EXPECT_TRUE(std::filesystem::exists(panel.animationFile()));
        EXPECT_FALSE(panel.animationRunning()); // stopped at the end
    }
    {
        test::ScopedEnvironment environment;
        environment.set("ORVAN_DATA_DIR", account.path() + ".no-data");
        PilotPanel panel;
        shown = &panel;
        panel.ifAdjust(true);
        shell->runModal(panel);
        EXPECT_EQ(panel.labelText(), "调整主生产计划预测方案结束");
    }
    EXPECT_EQ(duringCall, (std::vector<std::pair<bool, bool>>{{true, false}, {false, true}}));
}
