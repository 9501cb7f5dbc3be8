#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "db/SqlText.h"
#include "editor/EditorFixture.h"
#include "editor/ProfileRecordPage.h"

namespace orvan::test {
namespace {

using editor::RecordEditor;
using ::testing::ElementsAre;

constexpr const char *TaxRangeMessage = "数据非法，税率范围值是(0-100)，请重新输入！";

class ProfileRecordTest : public EditorFixture
{};

TEST_F(ProfileRecordTest, CompanyCodeIsLockedOnlyWhileBillsAreClosed)
{
    auto &open = openEditor("sys1", {"FBrNo"}, 2);
    EXPECT_EQ(open.caption, "修改系统参数设置");
    EXPECT_EQ(open.grid().text(1, 1), "公司代码");
    EXPECT_TRUE(open.typeCell(2, 1, "02"));

    params::profileFlags().inventoryClosed = 1;
    auto &closed = openEditor("sys1", {"FBrNo"}, 2);
    EXPECT_EQ(closed.grid().text(2, 1), "01");
    EXPECT_FALSE(closed.typeCell(2, 1, "02"));
    EXPECT_FALSE(closed.changed);
}

TEST_F(ProfileRecordTest, PrecisionCellsTakeWholeNumbersWithinTheirRanges)
{
    auto &discount = openEditor("sys1", {"PrecisionOfDiscountRate", "SInvoiceDecimal"}, 2);
    EXPECT_EQ(discount.grid().cell(2, 1).type, forms::CellType::Integer);
    EXPECT_TRUE(discount.typeCell(2, 1, "8"));
    EXPECT_FALSE(discount.typeCell(2, 1, "9"));
    EXPECT_EQ(lastMessage(), "折扣率精度位数应为0到8之间的整数。")
        << "the refusal says what is allowed";
    EXPECT_FALSE(discount.typeCell(2, 1, "-1"));
    EXPECT_FALSE(discount.typeCell(2, 1, "2.5"));
    messages->queueAnswer(forms::Answer::No);
    discount.press("Ne");
    EXPECT_TRUE(discount.typeCell(2, 1, "10"));
    EXPECT_FALSE(discount.typeCell(2, 1, "11"));
}

TEST_F(ProfileRecordTest, TaxRateOutOfRangeIsRefusedByThePromptAndByTheButton)
{
    auto &editor = openEditor("sys1", {"TaxRate", "FBrNo"}, 2);
    editor.typeCell(2, 1, "150");
    messages->queueAnswer(forms::Answer::Yes);
    editor.press("Ne");
    EXPECT_THAT(shownTexts(), ElementsAre("数据已修改，需要保存否？", TaxRangeMessage));
    EXPECT_EQ(text("select FValue from t_SystemProfile where FKey='TaxRate'"), "13");
    EXPECT_EQ(editor.grid().text(1, 1), "公司代码");

    editor.press("Fr");
    editor.typeCell(2, 1, "150");
    editor.press("Save");
    EXPECT_EQ(lastMessage(), TaxRangeMessage);
    EXPECT_EQ(text("select FValue from t_SystemProfile where FKey='TaxRate'"), "13");
    editor.typeCell(2, 1, "100");
    editor.press("Save");
    EXPECT_EQ(text("select FValue from t_SystemProfile where FKey='TaxRate'"), "100");
    EXPECT_FALSE(editor.changed);
}

TEST_F(ProfileRecordTest, AnEmptyInvoicePrecisionIsRefusedByTheButton)
{
    auto &editor = openEditor("sys1", {"SInvoiceDecimal"}, 2);
    const auto before = text("select FValue from t_SystemProfile where FKey='SInvoiceDecimal'");
    editor.typeCell(2, 1, "");
    editor.press("Save");
    EXPECT_EQ(lastMessage(), "数据非法，必须录入数值，请重新输入！");
    EXPECT_EQ(text("select FValue from t_SystemProfile where FKey='SInvoiceDecimal'"), before);
}

TEST_F(ProfileRecordTest, TaxRateThatIsNoNumberIsRefusedByThePrompt)
{
    auto &editor = openEditor("sys1", {"TaxRate"}, 2);
    editor.typeCell(2, 1, "abc");
    messages->queueAnswer(forms::Answer::Yes);
    editor.requestClose();
    EXPECT_THAT(shownTexts(),
                ElementsAre("数据已修改，需要保存否？", "数据非法，必须录入数值，请重新输入！"));
    EXPECT_TRUE(editor.closeRequested());
    EXPECT_EQ(text("select FValue from t_SystemProfile where FKey='TaxRate'"), "13");
}

TEST_F(ProfileRecordTest, ThePromptSavesValuesAtBothEndsOfTheirRangesAndRefusesJustOutside)
{
    struct Case
    {
        const char *key;
        const char *typed;
        bool saved;
    };
    const std::vector<Case> cases = {
        {"TaxRate", "0", true},         {"TaxRate", "100", true},
        {"TaxRate", "100.01", false},   {"TaxRate", "-0.01", false},
        {"SInvoiceDecimal", "0", true}, {"SInvoiceDecimal", "10", true},
    };
    for (const auto &c : cases) {
        run("UPDATE t_SystemProfile SET FValue='5' WHERE FKey=" + db::sqlQuote(c.key));
        messages->clear();
        auto &editor = openEditor("sys1", {c.key, "FBrNo"}, 2);
        editor.grid().setText(2, 1, c.typed);
        editor.changed = true;
        messages->queueAnswer(forms::Answer::Yes);
        editor.press("Ne");
        const auto stored =
            text("select FValue from t_SystemProfile where FKey=" + db::sqlQuote(c.key));
        EXPECT_EQ(stored, c.saved ? c.typed : "5") << c.key << " " << c.typed;
        EXPECT_EQ(shownTexts().size(), c.saved ? 1u : 2u) << c.key << " " << c.typed;
    }
}

TEST_F(ProfileRecordTest, KeyInTwoCategoriesIsUpdatedInBoth)
{
    run("INSERT INTO t_SystemProfile (FCategory, FKey, FValue) VALUES ('GL', 'TaxRate', '13')");
    auto &editor = openEditor("sys1", {"TaxRate"}, 2);
    editor.typeCell(2, 1, "9");
    editor.press("Save");
    EXPECT_EQ(text("select count(*) from t_SystemProfile where FKey='TaxRate' and FValue='9'"),
              "2");
}

TEST_F(ProfileRecordTest, QuotesPutIntoTheGridByProgramAreStoredAsTyped)
{
    auto &editor = openEditor("sys1", {"FBrNo"}, 2);
    editor.grid().setText(2, 1, "O'Neil");
    editor.press("Save");
    EXPECT_EQ(text("select FValue from t_SystemProfile where FKey='FBrNo'"), "O'Neil");
}

TEST_F(ProfileRecordTest, AddingAVoucherGroupTakesTheNextIdAndInsertsOnce)
{
    auto &editor = openEditor("au3", {1, 2, 3, 4}, 0, true);
    EXPECT_EQ(editor.caption, "新增凭证字参数设置");
    EXPECT_EQ(editor.tabs().captions[0], "凭证字");
    EXPECT_EQ(editor.grid().text(1, 1), "新增凭证字5");
    for (const char *key : {"Fr", "Pr", "Ne", "La"})
        EXPECT_FALSE(editor.toolbar().button(key).visible) << key;
    editor.typeCell(2, 1, "现");
    editor.press("Save");
    editor.typeCell(2, 1, "银");
    editor.press("Save");
    EXPECT_EQ(text("select count(*) from t_VoucherGroup"), "5");
    EXPECT_EQ(text("select FName from t_VoucherGroup where FGroupID=5"), "现");
}

TEST_F(ProfileRecordTest, NewVoucherGroupAvoidsIdsLeftByGaps)
{
    run("DELETE FROM t_VoucherGroup WHERE FGroupID=2");
    auto &editor = openEditor("au3", {1, 3, 4}, 0, true);
    EXPECT_EQ(editor.grid().text(1, 1), "新增凭证字5");
    editor.typeCell(2, 1, "现");
    editor.press("Save");
    EXPECT_TRUE(messages->shown().empty());
    EXPECT_EQ(text("select FName from t_VoucherGroup where FGroupID=5"), "现");
    EXPECT_EQ(text("select FName from t_VoucherGroup where FGroupID=4"), "转");
}

TEST_F(ProfileRecordTest, RefusedVoucherGroupCanBeCorrectedAndSavedAgain)
{
    auto &editor = openEditor("au3", {1, 2, 3, 4}, 0, true);
    editor.press("Save");
    editor.typeCell(2, 1, "记");
    editor.press("Save");
    EXPECT_THAT(shownTexts(), ElementsAre("凭证字不能为空。", "凭证字已存在。"))
        << "the user's words, not the engine's";
    EXPECT_EQ(text("select count(*) from t_VoucherGroup"), "4");
    editor.typeCell(2, 1, "现");
    editor.press("Save");
    EXPECT_EQ(text("select count(*) from t_VoucherGroup"), "5");
}

TEST_F(ProfileRecordTest, ClosingANewVoucherGroupAsksTheAddQuestion)
{
    auto &editor = openEditor("au3", {1, 2, 3, 4}, 0, true);
    editor.typeCell(2, 1, "现");
    messages->queueAnswer(forms::Answer::Yes);
    editor.requestClose();
    EXPECT_THAT(shownTexts(), ElementsAre("数据已新增，需要保存否？"));
    EXPECT_EQ(text("select count(*) from t_VoucherGroup"), "5");
    EXPECT_FALSE(editor::editorState().addingNew);
}

} // namespace
} // namespace orvan::test
