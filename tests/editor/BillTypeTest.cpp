#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "component/AccountLookupForm.h"
#include "editor/BillTypePage.h"
#include "editor/EditorFixture.h"

namespace orvan::test {
namespace {

using editor::RecordEditor;
using ::testing::ElementsAre;

constexpr const char *UnknownAccount = "输入的数据不正确。在科目表中找不到对应的项。";

class BillTypeTest : public EditorFixture
{
protected:
    // The bill types as the main window lists them, on the row of the given id.
    RecordEditor &openBillType(int id)
    {
        const std::vector<int> ids = {1, 2, 3, 4, 5, 6, 1001, 1002, 1003, 1004};
        std::vector<base::Variant> keys(ids.begin(), ids.end());
        const auto at = std::find(ids.begin(), ids.end(), id) - ids.begin();
        return openEditor("sys9", std::move(keys), 2 + static_cast<int>(at));
    }
};

TEST_F(BillTypeTest, LoadsTheTypeWithItsAccountAndLocksPredefinedOnes)
{
    auto &user = openBillType(1001);
    EXPECT_EQ(user.caption, "单据类型");
    EXPECT_EQ(user.grid().text(2, 1), "U01");
    EXPECT_EQ(user.grid().text(2, 3), "660201");
    EXPECT_EQ(user.grid().text(3, 3), "16");
    EXPECT_TRUE(user.typeCell(2, 1, "U11"));

    auto &predefined = openBillType(5);
    EXPECT_FALSE(predefined.typeCell(2, 1, "55"));
    EXPECT_FALSE(predefined.typeCell(2, 2, "分期"));
    EXPECT_TRUE(predefined.typeCell(2, 4, "note"));
}

TEST_F(BillTypeTest, CodeAndNameMustBeUniqueButItsOwnPass)
{
    auto &editor = openBillType(1001);
    editor.typeCell(2, 4, "新备注");
    editor.press("Save");
    EXPECT_TRUE(messages->shown().empty());
    EXPECT_EQ(text("select FNote from ICBillType where FID=1001"), "新备注");

    editor.typeCell(2, 1, "U02");
    editor.press("Save");
    editor.typeCell(2, 1, "U01");
    editor.typeCell(2, 2, "广告赠送");
    editor.press("Save");
    EXPECT_THAT(shownTexts(), ElementsAre("代码已存在。", "名称已存在。"));
    EXPECT_EQ(text("select FName from ICBillType where FID=1001"), "研发领用");
}

// Another workstation changed the record after the editor read it: saving the stale copy
// is refused and the record is shown as stored; saved again from there, it goes in.
TEST_F(BillTypeTest, ASaveOverSomeoneElsesChangeIsRefusedAndShowsTheirs)
{
    auto &editor = openBillType(1001);
    run("update ICBillType set FNote='theirs' where FID=1001");
    editor.typeCell(2, 4, "mine");
    editor.press("Save");
    EXPECT_THAT(shownTexts(),
                ElementsAre("该记录已被其他用户修改，本次修改未保存；现在显示的是修改后的记录。"));
    EXPECT_EQ(text("select FNote from ICBillType where FID=1001"), "theirs");
    EXPECT_EQ(editor.grid().text(2, 4), "theirs");

    editor.typeCell(2, 4, "mine");
    editor.press("Save");
    EXPECT_EQ(text("select FNote from ICBillType where FID=1001"), "mine");
    editor.typeCell(2, 4, "mine again");
    editor.press("Save");
    EXPECT_EQ(text("select FNote from ICBillType where FID=1001"), "mine again")
        << "its own save is no one else's change";
    EXPECT_EQ(shownTexts().size(), 1u);
}

TEST_F(BillTypeTest, ACodeAndANameAreNeeded)
{
    auto &editor = openBillType(1001);
    editor.typeCell(2, 1, "");
    editor.press("Save");
    editor.typeCell(2, 1, "U01");
    editor.typeCell(2, 2, " ");
    editor.press("Save");
    EXPECT_THAT(shownTexts(), ElementsAre("代码不能为空。", "名称不能为空。"));
    EXPECT_EQ(text("select FNumber||FName from ICBillType where FID=1001"), "U01研发领用");
}

TEST_F(BillTypeTest, YesToTheSavePromptSavesAndARefusedSaveKeepsTheEditorOpen)
{
    auto &editor = openBillType(1001);
    editor.typeCell(2, 4, "关闭时保存");
    messages->queueAnswer(forms::Answer::Yes);
    EXPECT_TRUE(editor.queryClose());
    EXPECT_EQ(text("select FNote from ICBillType where FID=1001"), "关闭时保存");

    auto &again = openBillType(1001);
    again.typeCell(2, 1, "U02"); // the code of another type
    messages->queueAnswer(forms::Answer::Yes);
    EXPECT_FALSE(again.queryClose()) << "the user can still correct the code";
    EXPECT_EQ(lastMessage(), "代码已存在。");
    EXPECT_TRUE(again.changed);
    EXPECT_EQ(text("select FNumber from ICBillType where FID=1001"), "U01");
}

TEST_F(BillTypeTest, EmptyAccountIsStoredAsNull)
{
    auto &editor = openBillType(1001);
    editor.typeCell(2, 3, "");
    editor.leaveGrid();
    EXPECT_EQ(editor.grid().text(3, 3), "");
    editor.press("Save");
    EXPECT_EQ(text("select count(*) from ICBillType where FID=1001 and FAcctID is null"), "1");
}

TEST_F(BillTypeTest, AddingTurnsTheEditorIntoModifyingTheNewRow)
{
    auto &editor = openEditor("sys9", {1, 1001}, 0, true);
    EXPECT_FALSE(editor.toolbar().button("Ne").enabled);
    EXPECT_EQ(editor.grid().text(2, 1), "");
    editor.typeCell(2, 1, "U05");
    editor.typeCell(2, 2, "展会样机");
    editor.typeCell(2, 3, "1405");
    editor.press("Save");
    EXPECT_THAT(shownTexts(), ElementsAre());
    EXPECT_EQ(text("select FNumber||','||FAcctID from ICBillType where FID=1005"), "U05,5");
    auto &state = editor::editorState();
    EXPECT_FALSE(state.addingNew);
    EXPECT_EQ(state.rowKeys.at(state.currentRow).toLong(), 1005);
    EXPECT_EQ(state.lastRow, 12);
    EXPECT_TRUE(editor.toolbar().button("Ne").enabled);

    editor.typeCell(2, 4, "改");
    editor.press("Save");
    EXPECT_EQ(text("select count(*) from ICBillType"), "11");
    EXPECT_EQ(text("select FNote from ICBillType where FID=1005"), "改");
    editor.press("Pr");
    EXPECT_EQ(editor.grid().text(2, 1), "U04");
}

TEST_F(BillTypeTest, SaveChecksAnAccountTypedWithoutLeavingItsCell)
{
    auto &editor = openBillType(1004);
    editor.typeCell(2, 3, "9999");
    editor.press("Save");
    EXPECT_THAT(shownTexts(), ElementsAre(UnknownAccount));
    EXPECT_EQ(text("select count(*) from ICBillType where FID=1004 and FAcctID is null"), "1");
}

TEST_F(BillTypeTest, UnknownAccountNumberKeepsTheCursorInTheCell)
{
    auto &editor = openBillType(1004);
    editor.typeCell(2, 3, "9999");
    EXPECT_FALSE(editor.moveToCell(2, 4));
    EXPECT_FALSE(editor.leaveGrid());
    EXPECT_THAT(shownTexts(), ElementsAre(UnknownAccount, UnknownAccount));
    EXPECT_EQ(editor.grid().activeRow(), 3);

    editor.typeCell(2, 3, "2202");
    EXPECT_TRUE(editor.moveToCell(2, 4));
    EXPECT_EQ(editor.grid().text(3, 3), "7");
}

TEST_F(BillTypeTest, F7OpensTheAccountLookupAndTakesTheChoice)
{
    auto &editor = openBillType(1004);
    editor.moveToCell(2, 3);
    shell->queueDriver("frmAccountLookup", [](forms::Form &form) {
        auto &lookup = dynamic_cast<component::AccountLookupForm &>(form);
        lookup.search("管理");
        ASSERT_TRUE(lookup.selectNumber("6602"));
        lookup.press(component::AccountLookupForm::CancelKey);
    });
    editor.gridKeyDown(RecordEditor::KeyCodeF7);
    EXPECT_EQ(editor.grid().text(2, 3), "");
    EXPECT_EQ(editor.grid().text(3, 3), "");

    shell->queueDriver("frmAccountLookup", [](forms::Form &form) {
        auto &lookup = dynamic_cast<component::AccountLookupForm &>(form);
        lookup.search("研发");
        lookup.press(component::AccountLookupForm::OkKey);
    });
    editor.gridKeyDown(RecordEditor::KeyCodeF8);
    EXPECT_EQ(editor.grid().text(2, 3), "660201");
    EXPECT_EQ(editor.grid().text(3, 3), "16");
    EXPECT_TRUE(editor.changed);
    EXPECT_THAT(shell->formsRun(), ElementsAre("frmAccountLookup", "frmAccountLookup"));
}

TEST_F(BillTypeTest, CancelledLookupChangesNothing)
{
    auto &editor = openBillType(1001);
    editor.moveToCell(2, 3);
    shell->queueDriver("frmAccountLookup", [](forms::Form &form) {
        dynamic_cast<component::AccountLookupForm &>(form).press(
            component::AccountLookupForm::CancelKey);
    });
    editor.gridKeyDown(RecordEditor::KeyCodeF7);
    EXPECT_EQ(editor.grid().text(2, 3), "660201");
    EXPECT_FALSE(editor.changed);
}

TEST_F(BillTypeTest, AnAccountIdOfZeroIsStoredAsNull)
{
    run("UPDATE ICBillType SET FAcctID=0 WHERE FID=1001");
    auto &editor = openBillType(1001);
    editor.typeCell(2, 4, "改");
    editor.press("Save");
    EXPECT_EQ(text("select count(*) from ICBillType where FID=1001 and FAcctID is null"), "1");
}

} // namespace
} // namespace orvan::test
