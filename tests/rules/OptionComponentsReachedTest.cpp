// The option rules with the registered components of the other modules (no fakes): each
// change the rules hand to a component reaches the demo account.
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "RulesFixture.h"
#include "base/Dictionary.h"
#include "component/ComponentRegistry.h"
#include "component/OptionDetailForm.h"
#include "component/ProcessState.h"
#include "forms/Messages.h"
#include "forms/Shell.h"
#include "rules/OptionChangeRules.h"
#include "suite/AppConnection.h"
#include "suite/OptionDialogs.h"
#include "suite/SharedProps.h"
#include "suite/StandIns.h"

using namespace orvan;

namespace {

class WindowValues : public rules::OptionControlAccess
{
public:
    base::Variant currentValue(const std::string &key) override { return values[key]; }
    void setContext(const base::ObjectPtr &) override {}
    std::map<std::string, base::Variant> values;
};

class OptionComponentsReached : public test::RulesFixture
{
protected:
    void SetUp() override
    {
        RulesFixture::SetUp();
        rules.load();
    }

    bool changing(const std::string &key, base::Variant value)
    {
        window.values[key] = value;
        bool cancel = false;
        rules.OptionChanging(key, value, cancel);
        return cancel;
    }

    // Plays a user who ticks one box (or sets one number) and presses OK.
    void answerDialog(const char *formName, std::string name, int32_t number = -1)
    {
        shell->queueDriver(formName, [name, number](forms::Form &form) {
            auto &dialog = dynamic_cast<component::OptionDetailForm &>(form);
            EXPECT_TRUE(number < 0 ? dialog.setChecked(name, true) : dialog.setNumber(name, number))
                << name;
            dialog.press(component::OptionDetailForm::OkKey);
        });
    }

    std::string profile(const std::string &key)
    {
        return account.value("SELECT COALESCE(MAX(FCategory || '=' || FValue), '-') FROM "
                             "t_SystemProfile WHERE FKey='" +
                             key + "'");
    }

    WindowValues window;
    rules::OptionChangeRules rules{window};
};

const char *const BomChangeFields =
    "SELECT SUM(FVisForBillType) FROM (SELECT FVisForBillType FROM ICTemplate WHERE FID='BOM' "
    "AND FFieldName IN ('FECNNo','FVersion') UNION ALL SELECT FVisForBillType FROM "
    "ICTemplateEntry WHERE FID='BOM' AND FFieldName='FECNNo')";

} // namespace

TEST_F(OptionComponentsReached, ChangeManagementSwitchesTheBomScreensUntilChangeBillsExist)
{
    EXPECT_FALSE(changing("EnableEcnRight", base::Variant(int32_t(1))));
    EXPECT_EQ(account.value(BomChangeFields), "93");
    EXPECT_FALSE(changing("EnableEcnRight", base::Variant(int32_t(0))));
    EXPECT_EQ(account.value(BomChangeFields), "0");
    EXPECT_TRUE(messages->shown().empty());

    changing("EnableEcnRight", base::Variant(int32_t(1)));
    account.run("INSERT INTO ICECNBill (FInterID, FBillNo, FStatus, FDate) "
                "VALUES (1, 'ECN000001', 1, '2026-12-07')");
    EXPECT_TRUE(changing("EnableEcnRight", base::Variant(int32_t(0))));
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_EQ(messages->shown().back().text, "系统已存在工程变更单，不能取消该参数！");
    EXPECT_EQ(account.value(BomChangeFields), "93"); // the screens keep the change fields
}

TEST_F(OptionComponentsReached, ScrapFormulaAndItemMapChangesReachTheAccount)
{
    EXPECT_FALSE(changing("FSCRAP_FORMULA", base::Variant(int32_t(1))));
    EXPECT_EQ(account.value("SELECT FScrapRate FROM PPBOMEntry WHERE FInterID=3002 AND "
                            "FEntryID=1"),
              "11.1111");
    EXPECT_FALSE(changing("ApplyMapInPurchase", base::Variant(int32_t(1))));
    EXPECT_NE(profile("ItemMapRefreshed"), "-");
}

TEST_F(OptionComponentsReached, CommittedDialogOptionsStoreWhatTheUserChose)
{
    answerDialog(component::OptionDialogForm::BackFlush, "StrictReportInOrder_LimitByPassQty");
    rules.OptionCommitted("StrictReportInOrder", base::Variant(int32_t(1)));
    answerDialog(component::OptionDialogForm::Kanban, "AutoTranOrvanBill_IssueBill");
    rules.OptionCommitted("AutoTranOrvanBill", base::Variant(int32_t(1)));
    answerDialog(component::OptionDialogForm::SuitControl, "OUTSOURCESUITCHECK_UseSubstitute");
    rules.OptionCommitted("OUTSOURCESUITCHECK", base::Variant(int32_t(1)));
    answerDialog(component::OptionDialogForm::BomOptions, "BomEOption_CheckLoop");
    rules.BomOptionRequested();
    answerDialog(component::OptionDialogForm::ShortageWarning, "ShortageWarningSet_DaysAhead", 7);
    auto request = std::make_shared<base::Dictionary>();
    request->set("Category", base::Variant("IC"));
    request->set("Key", base::Variant("ShortageWarningSet"));
    rules.ShortageWarningRequested(request);

    EXPECT_TRUE(messages->shown().empty());
    EXPECT_EQ(profile("StrictReportInOrder_LimitByPassQty"), "SH=1");
    EXPECT_EQ(profile("AutoTranOrvanBill_IssueBill"), "LP=1");
    EXPECT_EQ(profile("OUTSOURCESUITCHECK_UseSubstitute"), "IC=1");
    EXPECT_EQ(profile("BomEOption_CheckLoop"), "IC=1");
    EXPECT_EQ(profile("ShortageWarningSet_DaysAhead"), "IC=7");
}

TEST_F(OptionComponentsReached, AlarmSwitchIsRefusedWithoutTheKanbanModule)
{
    rules.OptionChanged("AlarmSystemSwitch", base::Variant(int32_t(1)));
    ASSERT_TRUE(rules.alarmSwitchStored);
    EXPECT_TRUE(changing("AlarmSystemSwitch", base::Variant(int32_t(1))));
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_EQ(messages->shown().back().text,
              "没有找到相关看板管理安装文件，请确认安装了Orvan看板管理模块！");
    // Trying again does not slip through.
    EXPECT_TRUE(changing("AlarmSystemSwitch", base::Variant(int32_t(1))));
    EXPECT_EQ(messages->shown().size(), 2u);
}
