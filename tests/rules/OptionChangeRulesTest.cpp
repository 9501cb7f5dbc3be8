#include <gtest/gtest.h>

#include <map>

#include "RulesFixture.h"
#include "base/Convert.h"
#include "component/ComponentRegistry.h"
#include "component/LoginContext.h"
#include "component/ProcessState.h"
#include "component/SysEnum.h"
#include "forms/Messages.h"
#include "rules/OptionChangeRules.h"
#include "rules/PlanModeProcedure.h"
#include "suite/AppConnection.h"
#include "suite/SharedProps.h"
#include "suite/StandIns.h"
#include "support/StatementCorpus.h"

using namespace orvan;
using namespace orvan::rules;

namespace {

class FakeControl : public OptionControlAccess
{
public:
    base::Variant currentValue(const std::string &key) override { return values[key]; }
    void setContext(const base::ObjectPtr &context) override { this->context = context; }
    std::map<std::string, base::Variant> values;
    base::ObjectPtr context;
};

// A BOM component that answers whether change bills exist and records its calls.
class FakeBom : public base::Object
{
public:
    explicit FakeBom(std::vector<std::string> &calls)
        : m_calls(calls)
    {}

protected:
    base::Variant dispatch(base::DispId, base::InvokeKind, std::vector<base::Variant> &) override
    {
        m_calls.push_back("call");
        return base::Variant(true);
    }
    const base::InterfaceInfo *typeInfo() const override
    {
        static const base::InterfaceInfo info{
            "IBom",
            "",
            {{"ExistsEcnBill",
              1,
              base::MemberKind::Method,
              "Boolean",
              base::VarType::Boolean,
              {{"P", "String", base::VarType::String, false, {}, false}}},
             {"SetVisibelBySysProfile",
              2,
              base::MemberKind::Method,
              "Boolean",
              base::VarType::Boolean,
              {{"P", "String", base::VarType::String, false, {}, false},
               {"V", "Variant", base::VarType::Empty, false, {}, false}}}}};
        return &info;
    }

private:
    std::vector<std::string> &m_calls;
};

class OptionRules : public test::RulesFixture
{
protected:
    void SetUp() override
    {
        RulesFixture::SetUp();
        rules.load();
    }

    bool changing(const std::string &key, base::Variant value)
    {
        bool cancel = false;
        rules.OptionChanging(key, value, cancel);
        return cancel;
    }
    FakeControl control;
    OptionChangeRules rules{control};
};

} // namespace

TEST_F(OptionRules, RangesRejectWithTheirMessages)
{
    EXPECT_TRUE(changing("QMCheckDecimal", base::Variant(0.0)));
    EXPECT_FALSE(changing("QMCheckDecimal", base::Variant(10.0)));
    EXPECT_TRUE(changing("QMCheckDecimal", base::Variant(10.5)));
    EXPECT_FALSE(changing("QMCheckDecimal", base::Variant(0.5)));
    EXPECT_FALSE(changing("KBVediotexNotifyAutoHideTime", base::Variant(0.0)));
    EXPECT_TRUE(changing("KBVediotexNotifyAutoHideTime", base::Variant(-1.0)));
    EXPECT_TRUE(changing("MaxLoopCount", base::Variant(0.0)));
    EXPECT_EQ(lastMessage(), "看板状态图每环路加载最大看板数必须大于零！");
    EXPECT_FALSE(rules.lastCheckRejected) << "a kanban refusal does not hold the window";
    EXPECT_FALSE(changing("SomeTextOption", base::Variant("abc")));
}

TEST_F(OptionRules, ValidValueForTheRefusedKeyEndsTheRefusal)
{
    EXPECT_TRUE(changing("QMCheckDecimal", base::Variant(0.0)));
    EXPECT_TRUE(rules.lastCheckRejected);
    EXPECT_FALSE(changing("ImpCustomsDecimal", base::Variant(3.0))); // unrelated: flag stays
    EXPECT_TRUE(rules.lastCheckRejected);
    EXPECT_FALSE(changing("QMCheckDecimal", base::Variant(4.0)));
    EXPECT_FALSE(rules.lastCheckRejected);
}

TEST_F(OptionRules, SupplierMarksCheckEachOtherAndRecalculateOnce)
{
    control.values["TotalEvaluateMark"] = base::Variant(50.0);
    EXPECT_TRUE(changing("PassEvaluateMark", base::Variant(60.0)));
    EXPECT_EQ(lastMessage(), "供应商评估总分不能小于及格分,请更正！");
    const auto shown = messages->shown().size();
    EXPECT_TRUE(changing("TotalEvaluateMark", base::Variant(40.0)));
    EXPECT_EQ(messages->shown().size(), shown);

    control.values["TotalEvaluateMark"] = base::Variant(rules.savedTotalMark);
    const auto pass = rules.savedPassMark + 10;
    EXPECT_FALSE(changing("PassEvaluateMark", base::Variant(pass)));
    EXPECT_EQ(messages->shown().size(), shown + 1);
    EXPECT_EQ(lastMessage(), "供应商评估及格分改变，供应商评估方案和评估分数将重新计算！");
    EXPECT_EQ(account.value("SELECT MIN(FPassMark) FROM QMEvaProj WHERE FCheckerID=0"),
              base::numberToText(pass));
}

TEST_F(OptionRules, InventoryNounLengthDependsOnTheLanguage)
{
    control.values["Item4Name"] = base::Variant("物料");
    EXPECT_FALSE(changing("Item4Name", base::Variant()));
    control.values["Item4Name"] = base::Variant("物料品");
    EXPECT_TRUE(changing("Item4Name", base::Variant()));
    EXPECT_EQ(lastMessage(), "替换存货名称的字符长度不能大于2个汉字！");
    control.values["Item4Name"] = base::Variant("  ");
    EXPECT_TRUE(changing("Item4Name", base::Variant()));
    EXPECT_EQ(lastMessage(), "替换存货名称的字符长度不能为空！");

    suite::SharedProps::publishForThisProcess("UserID=16394;Language=EN;");
    control.values["Item4Name"] = base::Variant("Inventories");
    EXPECT_FALSE(changing("Item4Name", base::Variant()));
    control.values["Item4Name"] = base::Variant("Inventoriess");
    EXPECT_TRUE(changing("Item4Name", base::Variant()));
}

TEST_F(OptionRules, ChangeManagementCannotBeSwitchedOffWhileChangeBillsExist)
{
    std::vector<std::string> calls;
    component::ComponentRegistry::instance().add(
        "OrvanMBomBill.BomView", [&calls] { return std::make_shared<FakeBom>(calls); });
    component::ComponentRegistry::instance().add(
        "OrvanMBomBill.BomUpdate", [&calls] { return std::make_shared<FakeBom>(calls); });
    EXPECT_TRUE(changing("EnableEcnRight", base::Variant(0.0)));
    EXPECT_EQ(lastMessage(), "系统已存在工程变更单，不能取消该参数！");
    calls.clear();
    EXPECT_FALSE(changing("EnableEcnRight", base::Variant(1.0)));
    EXPECT_EQ(calls.size(), 1u); // only the visibility update, no change-bill question
    control.values["EnableEcnRight"] = base::Variant(0.0);
    EXPECT_TRUE(changing("HideDisabledMaterial", base::Variant(1.0)));
    EXPECT_EQ(lastMessage(), "必须先启用工程变更管理！");
}

TEST_F(OptionRules, CommitsRewriteTemplatesAndMirrorAlarmOptions)
{
    rules.OptionCommitted("SEOrderPushExchangeRate", base::Variant(true));
    EXPECT_EQ(account.value("SELECT MIN(FTableName) || MIN(FTableAlias) FROM ICSelBills WHERE "
                            "FID IN ('I04','I05') AND FName='FExchangeRate'"),
              "SEOrderv1");

    rules.OptionCommitted("AlarmNewKey", base::Variant(true));
    EXPECT_EQ(account.value("SELECT COUNT(*) FROM QMUserOption WHERE FKey='AlarmNewKey'"), "0");
    component::processState().sysClass = component::sys_alarmparameter;
    component::ParseLoginProps(component::LoginPropsString());
    rules.OptionCommitted("AlarmNewKey", base::Variant(true));
    rules.OptionCommitted("AlarmNewKey", base::Variant(int32_t(0)));
    EXPECT_EQ(account.value("SELECT COUNT(*) || '/' || MAX(FValue) FROM QMUserOption WHERE "
                            "FKey='AlarmNewKey' AND FUserID=16394"),
              "1/0");
}

TEST(OptionRuleBatches, MatchTheRecordedStatements)
{
    const auto recorded = test::statementCorpusByDescription();
    auto closed = closedDispatchSql(false);
    closed.resize(closed.size() - 2);
    const std::map<std::string, std::string> expected = {
        {"supplier evaluation pass mark changed", passMarkSql(70)},
        {"supplier evaluation total mark changed", totalMarkSql(120)},
        {"closed dispatch lists may be reported: link conditions and template filters", closed},
        {"secondary units switched on: list titles and planned-order fields", secondUnitSql(true)},
        {"bonded supervision switched on: list titles, templates and class fields",
         bondedSql(true)},
        {"purchase orders no longer pass their exchange rate on", purchaseRateSql(false)},
        {"sales orders pass their exchange rate on", salesRateSql(true)},
        {"user's own alarm option (no row yet: insert)", userOptionSql("AlarmHighInv", 16394, -1)},
    };
    for (const auto &[description, sql] : expected) {
        ASSERT_TRUE(recorded.count(description)) << description;
        EXPECT_EQ(recorded.at(description), sql) << description;
    }
}

TEST_F(OptionRules, PlanTrackingSwitchesThroughTheAccountProcedure)
{
    rules::registerRuleProcedures();
    component::processState().connection =
        std::make_shared<suite::AppConnection>(account.connectString());
    rules.OptionChanged("EnableMtoPlanMode", base::Variant(int32_t(1)));
    EXPECT_EQ(account.value("SELECT FValue FROM t_SystemProfile WHERE FKey='EnableMtoPlanMode'"),
              "1");
    EXPECT_EQ(account.value("SELECT MIN(FVisible) FROM ICClassTableInfo WHERE FKey='FMTONo'"),
              "1023");
    rules.OptionChanged("EnableMtoPlanMode", base::Variant(int32_t(0)));
    EXPECT_EQ(lastMessage(), "有计划跟踪号的业务单据及库存数据将无法查询到计划跟踪号！");
    EXPECT_EQ(account.value("SELECT FValue FROM t_SystemProfile WHERE FKey='EnableMtoPlanMode'"),
              "0");
}

TEST_F(OptionRules, PassMarkEqualToTotalIsAcceptedAndANewTotalIsRecalculated)
{
    control.values["TotalEvaluateMark"] = base::Variant(120.0);
    EXPECT_FALSE(changing("PassEvaluateMark", base::Variant(120.0))) << "equal marks are allowed";
    EXPECT_EQ(messages->shown().size(), 2u);
    EXPECT_EQ(lastMessage(), "供应商评估总分改变，供应商评估方案和评估分数将重新计算！");
    EXPECT_EQ(account.value("SELECT group_concat(FTotalMark, ' ') FROM (SELECT FTotalMark FROM "
                            "QMEvaProj ORDER BY FID)"),
              "120.0 120.0 100.0")
        << "the schemes not yet checked take the new total";
    EXPECT_EQ(account.value("SELECT group_concat(FProjS, ' ') FROM (SELECT FProjS FROM "
                            "QMEvaProjEntry WHERE FID=1 ORDER BY FEntryID)"),
              "48.0 36.0 24.0 12.0");
    EXPECT_EQ(rules.savedTotalMark, 120.0);

    EXPECT_TRUE(changing("PassEvaluateMark", base::Variant(120.5)));
    EXPECT_EQ(lastMessage(), "供应商评估总分不能小于及格分,请更正！");
}

TEST_F(OptionRules, HidingDisabledMaterialIsAcceptedSilentlyWithChangeManagement)
{
    control.values["EnableEcnRight"] = base::Variant(1.0);
    for (const char *key : {"HideDisabledMaterial", "EnableECNVersionBOM"}) {
        EXPECT_FALSE(changing(key, base::Variant(1.0))) << key;
        EXPECT_FALSE(changing(key, base::Variant(0.0))) << key;
    }
    EXPECT_TRUE(messages->shown().empty());
}
