#include "PlanningFixture.h"

#include "base/TypeInfo.h"
#include "component/clsDelPlan.h"

using namespace orvan;

namespace {

// A late-bound host: records every event with its argument.
class EventLog : public base::Object
{
public:
    std::vector<std::string> events;

protected:
    base::Variant dispatch(base::DispId id, base::InvokeKind,
                           std::vector<base::Variant> &args) override
    {
        events.push_back(std::to_string(id) + (args.empty() ? "" : ":" + args[0].text()));
        return {};
    }
};

} // namespace

using PlanCleanup = test::PlanningFixture;

TEST_F(PlanCleanup, DeletionEmptiesTheThreeTablesReportingEachStep)
{
    auto plan = component::ComponentRegistry::instance().create("OrvanSysMaintain.clsDelPlan");
    auto log = std::make_shared<EventLog>();
    std::static_pointer_cast<component::clsDelPlan>(plan)->advise(log);
    plan->invoke("ifAdjust", base::InvokeKind::PropertyPut, {base::Variant(false)});
    plan->invoke("CleanTablesOfPlan");
    EXPECT_EQ(log->events, (std::vector<std::string>{"3:删除主生产计划预测方案...", "4:False",
                                                     "1:3", "2:1", "2:2", "2:3", "5"}));
    EXPECT_EQ(count("SELECT COUNT(*) FROM PLMPSPlan") + count("SELECT COUNT(*) FROM PLMPS") +
                  count("SELECT COUNT(*) FROM PLMPSReq"),
              0);
    EXPECT_EQ(shell->yields(), 7);
}

TEST_F(PlanCleanup, AdjustmentOnlyAnnouncesItself)
{
    component::clsDelPlan plan;
    auto log = std::make_shared<EventLog>();
    plan.advise(log);
    plan.ifAdjust(true);
    plan.CleanTablesOfPlan();
    EXPECT_EQ(log->events,
              (std::vector<std::string>{"3:正在调整主生产计划预测方案...", "4:True", "5"}));
    EXPECT_GT(count("SELECT COUNT(*) FROM PLMPS"), 0);
}

TEST_F(PlanCleanup, AFailingDeletionEndsThePassAndDeletesNothing)
{
    account.runNative("DROP TABLE PLMPS");
    component::clsDelPlan plan;
    auto log = std::make_shared<EventLog>();
    plan.advise(log);
    plan.CleanTablesOfPlan();
    EXPECT_EQ(log->events,
              (std::vector<std::string>{"3:删除主生产计划预测方案...", "4:False", "1:3", "2:1"}));
    EXPECT_EQ(count("SELECT COUNT(*) FROM PLMPSPlan"), 2) << "the plans stay with their data";
    EXPECT_GT(count("SELECT COUNT(*) FROM PLMPSReq"), 0);
    EXPECT_NE(plan.failure().find("PLMPS"), std::string::npos) << plan.failure();
}
