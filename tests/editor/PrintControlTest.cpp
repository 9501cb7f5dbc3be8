#include <gtest/gtest.h>

#include "editor/EditorFixture.h"
#include "editor/PrintControlPage.h"

namespace orvan::test {
namespace {

using editor::PrintControlPage;

class PrintControlTest : public EditorFixture
{};

TEST_F(PrintControlTest, LoadsTheRowAndSavesItBack)
{
    auto &editor = openEditor("sys4", {1, 2, 21}, 4);
    EXPECT_EQ(editor.caption, "修改打印次数限制");
    EXPECT_EQ(editor.tabs().captions[0], "销售出库单");
    EXPECT_EQ(editor.grid().text(2, 1), "1");
    EXPECT_EQ(editor.grid().text(2, 2), "2");
    EXPECT_TRUE(editor.typeCell(2, 2, "12"));
    EXPECT_FALSE(editor.typeCell(2, 2, "123"));
    editor.typeCell(2, 1, "0");
    editor.press("Save");
    EXPECT_EQ(text("select FPrintMaxCount||','||FPrintControlOrNo from ICPrintMaxCount where "
                   "FID=21"),
              "12,0");
}

TEST_F(PrintControlTest, GridTakesDigitsOnly)
{
    auto &editor = openEditor("sys4", {1}, 2);
    EXPECT_FALSE(editor.acceptsGridKey('a'));
    EXPECT_TRUE(editor.acceptsGridKey('7'));
    EXPECT_TRUE(editor.acceptsGridKey(8));
    EXPECT_FALSE(editor.typeCell(2, 2, "x5")) << "not taken as 5";
    EXPECT_EQ(editor.grid().text(2, 2), "3");
    EXPECT_TRUE(editor.typeCell(2, 2, "5"));
    EXPECT_TRUE(editor.typeCell(2, 2, "99"));
    EXPECT_FALSE(editor.typeCell(2, 2, "100"));
    EXPECT_EQ(lastMessage(), "最大打印次数最多2个字符。");
    EXPECT_FALSE(editor.typeCell(2, 1, "2"));
    EXPECT_EQ(lastMessage(), "控制打印次数只能是0或1。");
}

TEST_F(PrintControlTest, NotApplicableAfterCheckIsLockedYellowAndSavedBack)
{
    auto &editor = openEditor("sys4", {41}, 2);
    const auto &cell = editor.grid().cell(2, 3);
    EXPECT_TRUE(cell.locked);
    EXPECT_EQ(cell.backColor, PrintControlPage::NotApplicableColor);
    editor.typeCell(2, 2, "4");
    editor.press("Save");
    EXPECT_EQ(text("select FPrintAfterCheck from ICPrintMaxCount where FID=41"), "-1");
    EXPECT_EQ(text("select FPrintMaxCount from ICPrintMaxCount where FID=41"), "4");
}

TEST_F(PrintControlTest, ClassBillsAboveTheLimitAlsoTouchTheirClass)
{
    auto &editor = openEditor("sys4", {1002510}, 2);
    auto *page = dynamic_cast<PrintControlPage *>(editor.page());
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->saveSql(1000001),
              "Update ICPrintMaxCount Set FPrintMaxCount=5,FPrintControlOrNo=1,"
              "FPrintAfterCheck=-1  where FID=1000001\r\n"
              "Update ICClassType Set FID = FID Where FID = 1000001");
    EXPECT_EQ(page->saveSql(1000000).find("ICClassType"), std::string::npos);
    editor.typeCell(2, 2, "6");
    editor.press("Save");
    EXPECT_TRUE(messages->shown().empty());
    EXPECT_EQ(text("select FPrintMaxCount from ICPrintMaxCount where FID=1002510"), "6");
}

TEST_F(PrintControlTest, PromptRefusesAnEmptyMaximum)
{
    auto &editor = openEditor("sys4", {1, 2}, 2);
    editor.typeCell(2, 2, "");
    messages->queueAnswer(forms::Answer::Yes);
    editor.press("Ne");
    ASSERT_EQ(messages->shown().size(), 2u);
    EXPECT_EQ(messages->shown()[1].text, "数据非法，必须录入数值，请重新输入！");
    EXPECT_EQ(text("select FPrintMaxCount from ICPrintMaxCount where FID=1"), "3");
}

} // namespace
} // namespace orvan::test
