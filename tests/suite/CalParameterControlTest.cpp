#include "support/AccountFixture.h"

#include "component/OptionProfileControl.h"
#include "component/Translation.h"
#include "db/SqliteDatabase.h"
#include "forms/Messages.h"
#include "forms/Printer.h"

using namespace orvan;

namespace {

class CalParameterControl : public test::AccountFixture<>
{
protected:
    void SetUp() override
    {
        AccountFixture::SetUp();
        forms::setPrinter(printer);
    }

    std::shared_ptr<component::CalculationParameterControl> control(bool cost = false)
    {
        return component::ComponentRegistry::instance()
            .createAs<component::CalculationParameterControl>(
                cost ? component::ProgId::CostCalculationParameters
                     : component::ProgId::CalculationParameters);
    }

    std::string value(const std::string &query)
    {
        db::SqliteDatabase account(accountPath);
        auto rows = account.execute(query);
        return rows && !rows->isEOF() ? rows->Fields(0).Value().text() : "(none)";
    }

    std::string storedValue(const std::string &key, int kind = 0)
    {
        return value("SELECT FValue FROM t_CalParameter WHERE FKind=" + std::to_string(kind) +
                     " AND FKey='" + key + "'");
    }

    // The rows as "key:kind" (the kind's number), in order.
    static std::string rowKinds(const forms::OptionSheet &sheet)
    {
        std::string text;
        for (const auto &row : sheet.rows)
            text += row.key + ":" + std::to_string(static_cast<int>(row.kind)) + " ";
        return text;
    }

    std::shared_ptr<forms::ScriptedPrinter> printer = std::make_shared<forms::ScriptedPrinter>();
};

} // namespace

TEST_F(CalParameterControl, LoadsTheRowsOfItsKindInOrder)
{
    auto inventory = control();
    inventory->LoadParameters();
    const auto &sheet = inventory->sheet();
    EXPECT_EQ(sheet.title, "存货核算参数");
    EXPECT_EQ(rowKinds(sheet), "OutCostMethod:4 PriceDecimal:1 AmountDecimal:1 DiffTolerance:2 "
                               "RecalcNegative:0 ZeroPriceWarning:0 EstimateReverse:4 "
                               "RoundingAccount:3 ");
    EXPECT_EQ(sheet.row("OutCostMethod")->caption, "出库成本计价方法");
    EXPECT_EQ(forms::displayValue(*sheet.row("OutCostMethod")), "加权平均法");
    EXPECT_EQ(sheet.row("PriceDecimal")->maximum, 10.0);
    EXPECT_EQ(sheet.row("RoundingAccount")->maxLength, 20);

    auto cost = control(true);
    cost->LoadParameters();
    EXPECT_EQ(cost->sheet().title, "成本计算参数");
    EXPECT_EQ(rowKinds(cost->sheet()), "AllocationBasis:4 CostDecimal:1 WipMethod:4 "
                                       "CompletionRate:2 RollBackSemiFinished:0 ScrapInCost:0 "
                                       "IterationLimit:1 CostCenterPrefix:3 ");

    db::SqliteDatabase(accountPath)
        .execute("UPDATE t_CalParameter SET FIndex=0 WHERE FKind=0 AND FKey='RoundingAccount'");
    inventory->LoadParameters();
    EXPECT_EQ(inventory->sheet().rows.size(), 8u) << "reloading replaces the rows";
    EXPECT_EQ(inventory->sheet().rows.front().key, "RoundingAccount");
}

TEST_F(CalParameterControl, AnEnglishLoginSeesEnglishCaptionsAndItems)
{
    db::SqliteDatabase(accountPath)
        .execute("UPDATE t_CalParameter SET FCaption_EN=NULL WHERE FKey='PriceDecimal'\r\n"
                 "UPDATE t_CalParameter SET FList_EN='Only one' WHERE FKey='EstimateReverse'");
    suite::SharedProps::publishForThisProcess("ConnectString={Provider=SQLite;Data Source=" +
                                              accountPath + "};UserID=16394;LANGUAGE=EN;");
    component::resetLanguageResources();
    auto inventory = control();
    inventory->LoadParameters();
    const auto &sheet = inventory->sheet();
    EXPECT_EQ(sheet.title, "Inventory accounting parameters");
    EXPECT_EQ(sheet.row("OutCostMethod")->caption, "Costing method of outgoing stock");
    EXPECT_EQ(forms::displayValue(*sheet.row("OutCostMethod")), "Weighted average");
    EXPECT_EQ(sheet.row("PriceDecimal")->caption, "单位成本小数位数") << "no English caption";
    EXPECT_EQ(sheet.row("EstimateReverse")->listItems.front(), "单到冲回")
        << "items that do not match the stored ones";

    EXPECT_FALSE(inventory->ChangeValue("AmountDecimal", "7"));
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_EQ(messages->shown()[0].text, "Decimals of amounts cannot be greater than 6.");
    EXPECT_EQ(messages->shown()[0].title, "Tessel Message");
}

TEST_F(CalParameterControl, RefusesAValueOutsideItsKindOrLimitsAndKeepsTheStoredOne)
{
    auto inventory = control();
    inventory->LoadParameters();
    EXPECT_FALSE(inventory->ChangeValue("PriceDecimal", "11"));
    EXPECT_FALSE(inventory->ChangeValue("PriceDecimal", "2.5"));
    EXPECT_FALSE(inventory->ChangeValue("OutCostMethod", "后进先出法"));
    ASSERT_EQ(messages->shown().size(), 3u);
    EXPECT_EQ(messages->shown()[0].text, "单位成本小数位数不能大于10");
    EXPECT_EQ(messages->shown()[0].icon, forms::Icon::Warning);
    EXPECT_EQ(messages->shown()[0].title, "Tessel提示");
    EXPECT_EQ(messages->shown()[1].text, "单位成本小数位数必须是整数");
    EXPECT_EQ(messages->shown()[2].text, "出库成本计价方法只能是列表中的项目");
    EXPECT_EQ(storedValue("PriceDecimal"), "4");
    EXPECT_EQ(inventory->sheet().row("PriceDecimal")->value, "4");
}

TEST_F(CalParameterControl, StoresAnAcceptedValueInItsOwnRowOnly)
{
    db::SqliteDatabase(accountPath)
        .execute("INSERT INTO t_CalParameter (FKind, FKey, FValue, FIndex, FCaption, FType) "
                 "VALUES (1, 'PriceDecimal', '4', 9, '单价精度', 1)");
    auto inventory = control();
    inventory->LoadParameters();
    EXPECT_TRUE(inventory->ChangeValue("PriceDecimal", "6"));
    EXPECT_TRUE(inventory->ChangeValue("OutCostMethod", "先进先出法"));
    EXPECT_TRUE(inventory->ChangeValue("RecalcNegative", "off"));
    EXPECT_FALSE(inventory->ChangeValue("RoundingAccount", "O'Neil; DROP"))
        << "no account has that number (and the quote reaches the query safely)";
    EXPECT_EQ(lastMessage(), "输入的数据不正确。在科目表中找不到对应的项。");
    messages->clear();
    EXPECT_TRUE(inventory->ChangeValue("RoundingAccount", "660101"));
    EXPECT_TRUE(messages->shown().empty());
    EXPECT_EQ(storedValue("PriceDecimal"), "6");
    EXPECT_EQ(storedValue("PriceDecimal", 1), "4") << "the other kind's row";
    EXPECT_EQ(storedValue("OutCostMethod"), "2");
    EXPECT_EQ(storedValue("RecalcNegative"), "0");
    EXPECT_EQ(storedValue("RoundingAccount"), "660101");
    EXPECT_EQ(inventory->sheet().row("OutCostMethod")->value, "2");

    db::SqliteDatabase(accountPath)
        .execute("DELETE FROM t_CalParameter WHERE FKey='AmountDecimal'");
    EXPECT_FALSE(inventory->ChangeValue("AmountDecimal", "3")) << "a row gone from the account";
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_EQ(messages->shown()[0].text, "找不到参数金额小数位数，无法保存。");
    EXPECT_EQ(inventory->sheet().row("AmountDecimal")->value, "2");
}

TEST_F(CalParameterControl, PreviewAndPrintSendOneDocumentWithEveryRow)
{
    auto cost = control(true);
    cost->Preview();
    ASSERT_EQ(printer->jobs().size(), 1u) << "loads the rows before the first print";
    const auto &job = printer->jobs()[0];
    EXPECT_EQ(job.mode, forms::PrintMode::Preview);
    EXPECT_EQ(job.document.title, "成本计算参数");
    EXPECT_EQ(job.document.headings, (std::vector<std::string>{"参数", "值"}));
    ASSERT_EQ(job.document.rows.size(), 8u);
    EXPECT_EQ(job.document.rows[0], (std::vector<std::string>{"制造费用分配标准", "实际工时"}));
    EXPECT_EQ(job.document.rows[4], (std::vector<std::string>{"半成品成本还原", "√"}));

    EXPECT_TRUE(cost->ChangeValue("CompletionRate", "0.75"));
    cost->Print();
    ASSERT_EQ(printer->jobs().size(), 2u);
    EXPECT_EQ(printer->jobs()[1].mode, forms::PrintMode::Print);
    EXPECT_EQ(printer->jobs()[1].document.rows[3][1], "0.75");
}

TEST_F(CalParameterControl, AnUnreadableAccountIsToldAndNothingIsPrinted)
{
    db::SqliteDatabase(accountPath).executeNative("DROP TABLE t_CalParameter");
    auto inventory = control();
    inventory->Preview();
    EXPECT_TRUE(printer->jobs().empty());
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_TRUE(messages->shown()[0].text.starts_with("计算参数读取失败："));
}
