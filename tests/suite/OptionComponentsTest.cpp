// The other modules' components the option rules create by ProgID, on a demo account.
#include "support/AccountFixture.h"

#include <functional>
#include <vector>

#include "base/Dictionary.h"
#include "base/Error.h"
#include "component/ComponentRegistry.h"
#include "component/LoginContext.h"
#include "component/OptionDetailForm.h"
#include "component/ProcessState.h"
#include "component/ProgIds.h"
#include "db/SqliteDatabase.h"
#include "forms/Shell.h"
#include "suite/AppConnection.h"
#include "suite/OptionDialogs.h"
#include "support/ErrorNumber.h"

using namespace orvan;

namespace {

class OptionComponents : public test::AccountFixture<>
{
protected:
    void SetUp() override
    {
        AccountFixture::SetUp();
        connectProcess();
    }

    base::Variant call(const char *progId, const char *member, std::vector<base::Variant> args)
    {
        return component::ComponentRegistry::instance().create(progId)->invoke(
            member, base::InvokeKind::Method, args);
    }

    std::string value(const std::string &sql)
    {
        auto rows = db::SqliteDatabase(accountPath).execute(sql);
        return rows->isEOF() ? "-" : rows->Fields(0).Value().text();
    }

    std::vector<std::string> column(const std::string &sql)
    {
        std::vector<std::string> values;
        for (auto rows = db::SqliteDatabase(accountPath).execute(sql); !rows->isEOF();
             rows->MoveNext())
            values.push_back(rows->Fields(0).Value().text());
        return values;
    }

    std::string profile(const std::string &category, const std::string &key)
    {
        return value("SELECT FValue FROM t_SystemProfile WHERE FCategory='" + category +
                     "' AND FKey='" + key + "'");
    }

    void drive(const char *formName, std::function<void(component::OptionDetailForm &)> steps)
    {
        shell->queueDriver(formName, [steps](forms::Form &form) {
            steps(dynamic_cast<component::OptionDetailForm &>(form));
        });
    }

    base::Variant props() { return base::Variant(component::LoginPropsString()); }
};

const char *const BomFieldVisibility =
    "SELECT group_concat(FFieldName || '=' || FVisForBillType, ' ') FROM (SELECT FFieldName, "
    "FVisForBillType FROM ICTemplate WHERE FID='BOM' UNION ALL SELECT 'entry.' || FFieldName, "
    "FVisForBillType FROM ICTemplateEntry WHERE FID='BOM' ORDER BY 1)";
const char *const BomChangeFieldsHidden =
    "entry.FECNNo=0 entry.FItemID=31 FBillNo=31 FECNNo=0 FVersion=0";
const char *const BomChangeFieldsShown =
    "entry.FECNNo=31 entry.FItemID=31 FBillNo=31 FECNNo=31 FVersion=31";

} // namespace

TEST_F(OptionComponents, ChangeBillsAreFoundInTheAccountThePropertiesName)
{
    const auto *bomView = component::ProgId::BomView;
    EXPECT_FALSE(call(bomView, "ExistsEcnBill", {props()}).toBool());
    db::SqliteDatabase(accountPath)
        .execute("INSERT INTO ICECNBill (FInterID, FBillNo, FStatus, FDate) "
                 "VALUES (1, 'ECN000001', 0, '2026-12-07')");
    EXPECT_TRUE(call(bomView, "ExistsEcnBill", {props()}).toBool());

    // A property string naming no account falls back to the window's connection.
    EXPECT_TRUE(call(bomView, "ExistsEcnBill", {base::Variant("UserID=16394;")}).toBool());
    EXPECT_NE(test::errorNumberOf([&] {
                  call(bomView, "ExistsEcnBill",
                       {base::Variant("ConnectString={Provider=SQLite;Data Source=" +
                                      scratchPath("missing.db") + "};")});
              }),
              0);
}

TEST_F(OptionComponents, BomScreensFollowChangeManagementAndNothingElseMoves)
{
    const auto *bomUpdate = component::ProgId::BomUpdate;
    const auto otherFields = "SELECT COUNT(*) || '/' || SUM(FVisForBillType) FROM ICTemplate "
                             "WHERE FID<>'BOM'";
    const auto before = value(otherFields);
    EXPECT_EQ(value(BomFieldVisibility), BomChangeFieldsHidden);

    EXPECT_TRUE(call(bomUpdate, "SetVisibelBySysProfile", {props(), base::Variant(1)}).toBool());
    EXPECT_EQ(value(BomFieldVisibility), BomChangeFieldsShown);
    EXPECT_EQ(value(otherFields), before);

    // The window passes the option value as it holds it: a Boolean or a text.
    EXPECT_TRUE(
        call(bomUpdate, "SetVisibelBySysProfile", {props(), base::Variant(false)}).toBool());
    EXPECT_EQ(value(BomFieldVisibility), BomChangeFieldsHidden);
    EXPECT_EQ(test::errorNumberOf([&] {
                  call(bomUpdate, "SetVisibelBySysProfile", {props(), base::Variant("on")});
              }),
              base::ErrorNumber::TypeMismatch);
    EXPECT_EQ(value(BomFieldVisibility), BomChangeFieldsHidden);
}

TEST_F(OptionComponents, ScrapRatesFollowTheChosenFormula)
{
    const auto *ppBom = component::ProgId::PPBom;
    const auto rates = "SELECT FScrapRate FROM PPBOMEntry ORDER BY FInterID, FEntryID";
    call(ppBom, "FSCRAP_FORMULA_Change", {base::Variant(1)});
    EXPECT_EQ(column(rates), (std::vector<std::string>{"2.0408", "2.0408", "11.1111", "0"}));
    call(ppBom, "FSCRAP_FORMULA_Change", {base::Variant("0")});
    EXPECT_EQ(column(rates), (std::vector<std::string>{"2", "2", "10", "0"}));

    EXPECT_EQ(
        test::errorNumberOf([&] { call(ppBom, "FSCRAP_FORMULA_Change", {base::Variant(2)}); }),
        base::ErrorNumber::InvalidProcedureCall);
    EXPECT_EQ(column(rates), (std::vector<std::string>{"2", "2", "10", "0"}));
}

TEST_F(OptionComponents, ItemMapRefreshStampsOneQualityRow)
{
    EXPECT_EQ(profile("QM", "ItemMapRefreshed"), "-");
    call(component::ProgId::QualityDataUpdate, "Refresh", {props()});
    call(component::ProgId::QualityDataUpdate, "Refresh", {props()});
    EXPECT_EQ(value("SELECT COUNT(*) FROM t_SystemProfile WHERE FKey='ItemMapRefreshed'"), "1");
    EXPECT_EQ(profile("QM", "ItemMapRefreshed").size(), 19u); // yyyy-mm-dd hh:mm:ss
}

TEST_F(OptionComponents, OptionDialogStoresOnOkOnly)
{
    const auto *backFlush = component::ProgId::BackFlushParamOption;
    const auto mo = base::Variant("MO_CLOSEOPTION");

    // Closed without a user, and cancelled: nothing is written.
    EXPECT_FALSE(call(backFlush, "ShowOption", {mo}).toBool());
    drive(component::OptionDialogForm::BackFlush, [](component::OptionDetailForm &form) {
        EXPECT_TRUE(form.setChecked("MO_CLOSEOPTION_IssueFinished", true));
        EXPECT_TRUE(form.press(component::OptionDetailForm::CancelKey));
    });
    EXPECT_FALSE(call(backFlush, "ShowOption", {mo}).toBool());
    EXPECT_EQ(value("SELECT COUNT(*) FROM t_SystemProfile WHERE FKey LIKE 'MO_CLOSEOPTION_%'"),
              "0");

    drive(component::OptionDialogForm::BackFlush, [](component::OptionDetailForm &form) {
        EXPECT_EQ(form.checkBoxes.size(), 2u);
        EXPECT_TRUE(form.setChecked("MO_CLOSEOPTION_IssueFinished", true));
        EXPECT_TRUE(form.press(component::OptionDetailForm::OkKey));
        EXPECT_FALSE(form.press(component::OptionDetailForm::CancelKey)); // closed already
    });
    EXPECT_TRUE(call(backFlush, "ShowOption", {mo}).toBool());
    // Stored under the key's own category (SH), the untouched box as well.
    EXPECT_EQ(profile("SH", "MO_CLOSEOPTION_IssueFinished"), "1");
    EXPECT_EQ(profile("SH", "MO_CLOSEOPTION_StockInFinished"), "0");

    // Opened again, the dialog shows what was stored; clearing it updates the same row.
    drive(component::OptionDialogForm::BackFlush, [](component::OptionDetailForm &form) {
        EXPECT_EQ(form.checkBox("MO_CLOSEOPTION_IssueFinished")->value, 1);
        form.setChecked("MO_CLOSEOPTION_IssueFinished", false);
        form.press(component::OptionDetailForm::OkKey);
    });
    call(backFlush, "ShowOption", {mo});
    EXPECT_EQ(value("SELECT COUNT(*) || FValue FROM t_SystemProfile "
                    "WHERE FKey='MO_CLOSEOPTION_IssueFinished'"),
              "10");

    EXPECT_EQ(
        test::errorNumberOf([&] { call(backFlush, "ShowOption", {base::Variant("SecUnit")}); }),
        base::ErrorNumber::InvalidProcedureCall);
}

TEST_F(OptionComponents, DialogNumbersKeepTheirLimitsAndReadOnlyRowsStay)
{
    db::SqliteDatabase(accountPath)
        .execute("INSERT INTO t_SystemProfile (FCategory, FKey, FValue, FReadonly) "
                 "VALUES ('IC', 'ShortageWarningSet_IncludeOnOrder', '1', 1)");
    auto settings = std::make_shared<base::Dictionary>();
    settings->set("Category", base::Variant("IC"));
    settings->set("Key", base::Variant("ShortageWarningSet"));
    drive(component::OptionDialogForm::ShortageWarning, [](component::OptionDetailForm &form) {
        EXPECT_FALSE(form.setChecked("ShortageWarningSet_IncludeOnOrder", false));
        EXPECT_FALSE(form.setNumber("ShortageWarningSet_DaysAhead", 400));
        EXPECT_FALSE(form.setNumber("ShortageWarningSet_DaysAhead", -1));
        EXPECT_TRUE(form.setNumber("ShortageWarningSet_DaysAhead", 14));
        EXPECT_TRUE(form.setChecked("ShortageWarningSet_Enabled", true));
        form.press(component::OptionDetailForm::OkKey);
    });
    EXPECT_TRUE(call(component::ProgId::ShortageWarningDialog, "Show",
                     {base::Variant(base::ObjectPtr(settings))})
                    .toBool());
    EXPECT_EQ(profile("IC", "ShortageWarningSet_DaysAhead"), "14");
    EXPECT_EQ(profile("IC", "ShortageWarningSet_Enabled"), "1");
    EXPECT_EQ(profile("IC", "ShortageWarningSet_IncludeOnOrder"), "1");

    EXPECT_EQ(test::errorNumberOf([&] {
                  call(component::ProgId::ShortageWarningDialog, "Show", {base::Variant("IC")});
              }),
              base::ErrorNumber::ObjectRequired);
}

TEST_F(OptionComponents, RegistryCreatesTheDictionaryButNotTheKanbanAlarmRelease)
{
    auto &registry = component::ComponentRegistry::instance();
    auto dictionary = registry.create(component::ProgId::Dictionary);
    dictionary->invoke("Add", base::InvokeKind::Method,
                       {base::Variant("Key"), base::Variant("ShortageWarningSet")});
    EXPECT_EQ(dictionary->invoke("Count", base::InvokeKind::PropertyGet).toLong(), 1);
    EXPECT_NE(registry.create(component::ProgId::Dictionary), dictionary); // a new one each time

    EXPECT_EQ(test::errorNumberOf([&] { registry.create("OrvanMLPMobile.CMKBAlarmRelease"); }),
              base::ErrorNumber::CannotCreateObject);
}
