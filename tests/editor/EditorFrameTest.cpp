#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "editor/EditorFixture.h"

namespace orvan::test {
namespace {

using editor::RecordEditor;
using ::testing::ElementsAre;

constexpr const char *FirstNotice = "当前记录已经是第一条记录!";
constexpr const char *LastNotice = "当前记录已是最后一条记录!";
constexpr const char *ModifiedQuestion = "数据已修改，需要保存否？";

class EditorFrameTest : public EditorFixture
{
protected:
    // The voucher groups 记, 收, 付, 转 as the main window lists them.
    RecordEditor &openVoucherGroups(int row) { return openEditor("au3", {1, 2, 3, 4}, row); }
};

TEST_F(EditorFrameTest, ToolbarHasItsButtonsInOrderAndHidesNew)
{
    auto &editor = openVoucherGroups(2);
    std::vector<std::string> keys;
    for (const auto &button : editor.toolbar().buttons())
        keys.push_back(button.key);
    EXPECT_THAT(keys,
                ElementsAre("Sep1", "New", "Save", "Sep4", "Fr", "Pr", "Ne", "La", "Sep9", "Exit"));
    EXPECT_FALSE(editor.toolbar().button("New").visible);
    EXPECT_EQ(editor.toolbar().button("Fr").toolTip, "第一条记录");
    EXPECT_EQ(editor.caption, "修改凭证字参数设置");
    EXPECT_TRUE(editor.grid().columnHidden(3));
    EXPECT_FALSE(editor.press("New"));
}

TEST_F(EditorFrameTest, OneRowListShowsEdgeNoticesAndReloadsTheSameRecord)
{
    auto &editor = openEditor("au3", {3}, 2);
    for (const char *key : {"Fr", "Pr", "Ne", "La"}) {
        editor.grid().setText(2, 1, "changed by program");
        ASSERT_TRUE(editor.press(key));
        EXPECT_EQ(editor.grid().text(2, 1), "付") << key;
        EXPECT_EQ(editor::editorState().currentRow, 2);
    }
    EXPECT_THAT(shownTexts(), ElementsAre(FirstNotice, FirstNotice, LastNotice, LastNotice));
}

TEST_F(EditorFrameTest, NavigationWalksTheListAndNoticesOnlyAtItsEdges)
{
    auto &editor = openVoucherGroups(3);
    editor.press("Ne");
    EXPECT_EQ(editor.grid().text(2, 1), "付");
    editor.press("La");
    EXPECT_EQ(editor.grid().text(2, 1), "转");
    editor.press("Pr");
    EXPECT_EQ(editor.grid().text(2, 1), "付");
    editor.press("Fr");
    EXPECT_EQ(editor.grid().text(2, 1), "记");
    EXPECT_TRUE(messages->shown().empty());
    editor.press("Pr");
    EXPECT_THAT(shownTexts(), ElementsAre(FirstNotice));
}

TEST_F(EditorFrameTest, ClearedErrorOptionSilencesEdgeNoticesAndOutlivesTheEditor)
{
    auto &editor = openVoucherGroups(2);
    ASSERT_TRUE(editor.clickOption(RecordEditor::ErrorBox));
    editor.press("Fr");
    EXPECT_TRUE(messages->shown().empty());
    editor.requestClose();
    EXPECT_TRUE(editor.closeRequested());

    auto &next = openVoucherGroups(2);
    EXPECT_EQ(next.option(RecordEditor::ErrorBox).value, 0);
}

TEST_F(EditorFrameTest, TextWithQuotesIsRefusedNamingThemNotShortened)
{
    EXPECT_FALSE(RecordEditor::acceptsKey('\''));
    EXPECT_FALSE(RecordEditor::acceptsKey('"'));
    EXPECT_TRUE(RecordEditor::acceptsKey('a'));
    auto &editor = openVoucherGroups(2);
    const auto before = editor.grid().text(2, 1);
    EXPECT_FALSE(editor.typeCell(2, 1, "O'Ne\"il'"));
    EXPECT_EQ(editor.grid().text(2, 1), before);
    EXPECT_THAT(lastMessage(), ::testing::EndsWith("不接受这些字符：'\""));
    EXPECT_FALSE(editor.changed);
    EXPECT_TRUE(editor.typeCell(2, 1, "ONeil"));
    // Found typing a NUL: it cut the statement short ("unrecognized token").
    EXPECT_FALSE(editor.typeCell(2, 1, std::string("a\0b", 3)));
    EXPECT_THAT(lastMessage(), ::testing::EndsWith("不接受这些字符：U+0000"));
    EXPECT_EQ(editor.grid().text(2, 1), "ONeil");
}

TEST_F(EditorFrameTest, AnswerNoDiscardsTheEditAndMovesOn)
{
    auto &editor = openVoucherGroups(2);
    editor.typeCell(2, 1, "现");
    EXPECT_TRUE(editor.changed);
    messages->queueAnswer(forms::Answer::No);
    editor.press("Ne");
    EXPECT_THAT(shownTexts(), ElementsAre(ModifiedQuestion));
    EXPECT_EQ(editor.grid().text(2, 1), "收");
    EXPECT_FALSE(editor.changed);
    EXPECT_EQ(text("select FName from t_VoucherGroup where FGroupID=1"), "记");
}

TEST_F(EditorFrameTest, AnswerYesSavesAndMovesOn)
{
    auto &editor = openVoucherGroups(2);
    editor.typeCell(2, 1, "现");
    messages->queueAnswer(forms::Answer::Yes);
    editor.press("Ne");
    EXPECT_EQ(text("select FName from t_VoucherGroup where FGroupID=1"), "现");
    EXPECT_EQ(editor.grid().text(2, 1), "收");
}

TEST_F(EditorFrameTest, RetypingTheSameTextIsNoEdit)
{
    auto &editor = openVoucherGroups(2);
    editor.typeCell(2, 1, "记");
    EXPECT_FALSE(editor.changed);
    editor.press("Ne");
    EXPECT_TRUE(messages->shown().empty());
}

TEST_F(EditorFrameTest, OptionBoxesAreOfferedOnlyForSmallNumericKeys)
{
    auto &groups = openVoucherGroups(2);
    EXPECT_TRUE(groups.option(RecordEditor::RefreshBox).enabled);
    EXPECT_EQ(groups.option(RecordEditor::RefreshBox).value, 1);

    auto &profile = openEditor("sys1", {"TaxRate"}, 2);
    EXPECT_FALSE(profile.option(RecordEditor::HelpBox).enabled);
    EXPECT_FALSE(profile.clickOption(RecordEditor::HelpBox));

    auto &classBill = openEditor("sys4", {1000001}, 2);
    EXPECT_FALSE(classBill.option(RecordEditor::ErrorBox).enabled);
}

TEST_F(EditorFrameTest, OptionBoxesSetTheSharedValuesButClearStaysTicked)
{
    auto &editor = openVoucherGroups(2);
    editor.clickOption(RecordEditor::RefreshBox);
    editor.clickOption(RecordEditor::HelpBox);
    EXPECT_EQ(editor::editorState().refreshOnExit, 0);
    EXPECT_FALSE(editor::editorState().showHelp);
    editor.clickOption(RecordEditor::ClearBox);
    editor.clickOption(RecordEditor::ClearBox);
    EXPECT_EQ(editor.option(RecordEditor::ClearBox).value, 1);
}

TEST_F(EditorFrameTest, OptionsTabDisablesNavigation)
{
    auto &editor = openVoucherGroups(3);
    editor.changeTab(1);
    EXPECT_FALSE(editor.toolbar().button("Ne").enabled);
    EXPECT_FALSE(editor.press("Ne"));
    editor.changeTab(0);
    EXPECT_TRUE(editor.press("Ne"));
}

TEST_F(EditorFrameTest, CloseAsksToSaveUnsavedEditsAndResetsTheHandOver)
{
    auto &editor = openVoucherGroups(3);
    editor.typeCell(2, 1, "收款");
    messages->queueAnswer(forms::Answer::Yes);
    editor.requestClose();
    EXPECT_THAT(shownTexts(), ElementsAre(ModifiedQuestion));
    EXPECT_TRUE(editor.closeRequested());
    EXPECT_EQ(text("select FName from t_VoucherGroup where FGroupID=2"), "收款");
    EXPECT_EQ(editor::editorState().currentRow, 0);
}

TEST_F(EditorFrameTest, RunsModallyThroughTheShellForADriver)
{
    component::processState().currentNodeKey = "au3";
    editor::editorState().rowKeys.assign(2, {1, 2});
    editor::editorState().currentRow = 2;
    shell->queueDriver("frmProtyMdy", [](forms::Form &form) {
        auto &editor = dynamic_cast<RecordEditor &>(form);
        editor.typeCell(2, 1, "记账");
        editor.press("Save");
        editor.press("Exit");
    });
    RecordEditor modal;
    forms::shell().runModal(modal);
    EXPECT_TRUE(modal.closeRequested());
    EXPECT_TRUE(messages->shown().empty());
    EXPECT_EQ(text("select FName from t_VoucherGroup where FGroupID=1"), "记账");
}

} // namespace
} // namespace orvan::test
