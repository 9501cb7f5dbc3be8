#include "MainWindowFixture.h"

namespace orvan::test {
namespace {

using RecordCommandsTest = MainWindowFixture;

TEST_F(RecordCommandsTest, DeleteNeedsASelectedRowAndAYes)
{
    auto window = open(1);
    window->selectAndClick("au3");
    window->list.setCurrentRow(1);
    window->menuClick("Edit.Delete");
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_EQ(lastMessage(), "没有选定记录。");

    window->list.setCurrentRow(3);
    messages->queueAnswer(forms::Answer::No); // No
    window->toolbarClick("Delete");
    EXPECT_EQ(account.value("SELECT count(*) FROM t_VoucherGroup"), "4");
}

TEST_F(RecordCommandsTest, VoucherGroupOfTheSelectedRowIsDeletedEvenWithGaps)
{
    // Ids with gaps, as after an earlier delete without refresh: row 3 holds group 30.
    account.runNative("UPDATE t_VoucherGroup SET FGroupID=FGroupID*10");
    auto window = open(1);
    window->selectAndClick("au3");
    window->list.setCurrentRow(3);
    window->menuClick("Edit.Delete");
    EXPECT_EQ(account.value("SELECT group_concat(FGroupID || FName, ',') FROM "
                            "(SELECT * FROM t_VoucherGroup ORDER BY FGroupID)"),
              "1记,2付,3转");
    EXPECT_EQ(window->list.rowCount(), 4);
}

TEST_F(RecordCommandsTest, PredefinedAndUsedBillTypesStay)
{
    account.runNative("UPDATE ICStockBill SET FBillTypeID=1003 WHERE FBillTypeID=1004");
    auto window = open(0);
    window->selectAndClick("sys9");
    window->list.setCurrentRow(2); // type 1, predefined
    window->menuClick("Edit.Delete");
    EXPECT_EQ(lastMessage(), "系统预设的单据类型不能删除。");
    window->list.setCurrentRow(10); // type 1003, used by a stock bill
    window->menuClick("Edit.Delete");
    EXPECT_EQ(lastMessage(), "该单据类型已被使用，不能删除。");
    window->list.setCurrentRow(11); // type 1004, no longer used
    window->menuClick("Edit.Delete");
    EXPECT_EQ(account.value("SELECT count(*) FROM ICBillType WHERE FID=1004"), "0");
    EXPECT_EQ(window->list.rowCount(), 10);
}

TEST_F(RecordCommandsTest, AddOpensTheEditorInAddModeUnlessTheListIsStale)
{
    auto window = open(1);
    window->selectAndClick("au3");
    window->toolbarClick("New");
    EXPECT_EQ(shell->formsRun(), std::vector<std::string>{"frmProtyMdy"});
    EXPECT_TRUE(editor::editorState().addingNew);

    editor::editorState().refreshOnExit = 0;
    window->toolbarClick("New");
    EXPECT_EQ(shell->formsRun().size(), 1u);
    EXPECT_EQ(lastMessage(), "有关数据需要刷新,请按F9先刷新再新增!");
}

TEST_F(RecordCommandsTest, ModifyOpensTheEditorOnTheSelectedRow)
{
    auto window = open(0);
    window->selectAndClick("sys9");
    window->list.setCurrentRow(9);
    window->modify();
    EXPECT_EQ(shell->formsRun(), std::vector<std::string>{"frmProtyMdy"});
    const auto &values = editor::editorState();
    EXPECT_FALSE(values.addingNew);
    EXPECT_EQ(values.currentRow, 9);
    EXPECT_EQ(values.rowKeys.at(9).toLong(), 1002);
}

TEST_F(RecordCommandsTest, ModifyHandsTheEditorTheKeysOfTheListShownAndTheStoredFences)
{
    account.runNative("UPDATE t_SystemProfile SET FValue='3' WHERE FKey='DemandTimeLimit';"
                      "UPDATE t_SystemProfile SET FValue='9' WHERE FKey='PlanTimeLimit';"
                      "UPDATE t_SystemProfile SET FValue='30' WHERE FKey='TimeZoneCount'");
    auto window = open(2); // opens on the planning list
    window->list.setCurrentRow(3);
    window->modify();
    const auto &values = editor::editorState();
    EXPECT_EQ(values.rowKeys.at(3).text(), "DemandTimeLimit");
    EXPECT_EQ(values.demandTimeLimit, 3);
    EXPECT_EQ(values.planTimeLimit, 9);
    EXPECT_EQ(values.timeZoneCount, 30);
}

TEST_F(RecordCommandsTest, CloseWaitsForARejectedOptionToBeCorrected)
{
    auto window = open(0);
    window->lastCheckRejected = true;
    window->menuClick("File.Close");
    EXPECT_FALSE(window->closeRequested());
    window->lastCheckRejected = false;
    window->toolbarClick("Exit");
    EXPECT_TRUE(window->closeRequested());
}

} // namespace
} // namespace orvan::test
