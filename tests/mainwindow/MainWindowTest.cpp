#include "MainWindowFixture.h"
#include "db/Database.h"
#include "editor/EditorState.h"
#include "forms/Clipboard.h"

#include "mainwindow/HelpIds.h"
#include "mainwindow/NodeTables.h"
#include "mainwindow/RecordKeys.h"

#include <algorithm>
#include <set>

using namespace orvan;
using mainwindow::MaintenanceWindow;

namespace {

class MainWindowTest : public test::MainWindowFixture
{};

// A clock that advances by the given step on every reading.
std::function<double()> steppingClock(double step)
{
    auto now = std::make_shared<double>(100.0);
    return [now, step] {
        const double reading = *now;
        *now += step;
        return reading;
    };
}

TEST_F(MainWindowTest, OpensOnTheFirstNodeAndShowsItsCountedList)
{
    auto window = open(0);
    EXPECT_EQ(window->caption, "系统参数维护");
    EXPECT_EQ(window->classTitle.caption, "系统参数设置");
    EXPECT_EQ(window->selectedKey(), "sys1");
    EXPECT_EQ(component::processState().currentNodeKey, "sys1");
    EXPECT_EQ(window->itemTitle.caption,
              "[系统设置]----共计：" + std::to_string(window->list.rowCount() - 1) + "条记录");
    EXPECT_FALSE(window->toolbar.button("Cut").visible);
    EXPECT_FALSE(window->toolbar.button("Paste").visible);
    EXPECT_FALSE(window->busy());
    EXPECT_EQ(window->mousePointer, 0);
}

TEST_F(MainWindowTest, StartingNodeFollowsStoredKeySubsystemAndBill)
{
    settings()->write("frmSysMainInface", "tvwKey0", "sys9");
    EXPECT_EQ(open(0, "0005")->selectedKey(), "sys1");
    EXPECT_EQ(open(0, "0000")->selectedKey(), "sys9");

    settings()->write("frmSysMainInface", "tvwKey0", "gone");
    const auto missing = open(0);
    EXPECT_EQ(missing->selectedKey(), "");
    EXPECT_TRUE(messages->shown().empty());

    component::processState().classTypeId = 25;
    const auto bill = open(0);
    EXPECT_EQ(bill->selectedKey(), "sys2");
    ASSERT_GT(bill->recordKeys().currentRowIndex, 1);
    EXPECT_EQ(bill->recordKeys().keyOfRow(bill->recordKeys().currentRowIndex).toLong(), 25);
    EXPECT_EQ(bill->list.currentRow(), bill->recordKeys().currentRowIndex);
}

TEST_F(MainWindowTest, PrintControlOpensOnTheThirdNode)
{
    component::processState().printControl = true;
    const auto window = open(0);
    EXPECT_EQ(window->selectedKey(), "sys4");
    EXPECT_EQ(component::processState().currentNodeKey, "sys4");
}

TEST_F(MainWindowTest, SplitterKeepsBothSidesAtLeast1680Twips)
{
    auto window = open(0);
    window->windowWidth = 10000;
    EXPECT_EQ(window->dragSplitter(100), 1680);
    EXPECT_EQ(window->dragSplitter(9900), 10000 - 1680);
    EXPECT_EQ(window->dragSplitter(4000), 4000);
}

TEST_F(MainWindowTest, ClosingStoresWidthsAndNodeAndWidthsNeedFourColumns)
{
    settings()->write("frmSysMainInface", "ColWidth1", 1234);
    {
        auto window = open(0);
        window->selectAndClick("sys2");
        window->list.setColumnWidth(1, 3000);
        window->list.setColumnWidth(2, 2500);
        window->unload();
    }
    EXPECT_EQ(settingText("tvwKey0"), "sys2");
    EXPECT_EQ(settingText("ColWidth1"), "3000");
    EXPECT_EQ(settingText("ColWidth2"), "2500");
    // The grid has no columns yet when the window loads: the widths wait.
    EXPECT_EQ(open(0)->list.columnWidth(1), 0);
}

TEST_F(MainWindowTest, EachNodesListKeepsTheWidthsTheUserGaveIt)
{
    {
        auto window = open(0);
        window->selectAndClick("sys9");
        window->list.setColumnWidth(3, 2250);
        window->selectAndClick("sys2");
        EXPECT_EQ(window->list.columnWidth(3), 0) << "another node's list fits its content";
        window->list.setColumnWidth(4, 1800);
        window->selectAndClick("sys9");
        EXPECT_EQ(window->list.columnWidth(3), 2250);
        EXPECT_EQ(window->list.columnWidth(4), 0);
        window->unload();
    }
    EXPECT_EQ(settingText("ColWidths_sys9"), "3:2250");
    EXPECT_EQ(settingText("ColWidths_sys2"), "4:1800");
    auto next = open(0);
    next->selectAndClick("sys2");
    EXPECT_EQ(next->list.columnWidth(4), 1800) << "and keeps them across runs";
}

TEST_F(MainWindowTest, PlaceAndSplitterAreKeptAndAPictureRunKeepsNothing)
{
    {
        auto window = open(0);
        window->placement = {600, 450, 15000, 9000};
        window->unload();
    }
    EXPECT_EQ(settingText("SplitterPosition"), "") << "only a position the user chose is kept";
    {
        auto window = open(0);
        EXPECT_EQ(window->placement.width, 15000);
        EXPECT_EQ(window->placement.top, 450);
        EXPECT_FALSE(window->splitterPlacedByUser);
        window->dragSplitter(4000);
        window->selectAndClick("sys9");
        window->unload();
    }
    EXPECT_EQ(settingText("SplitterPosition"), "4000");
    {
        auto window = open(0);
        EXPECT_EQ(window->splitter.position, 4000);
        window->keepsSettings = false; // a screenshot run
        window->dragSplitter(5000);
        window->selectAndClick("sys2");
        window->unload();
    }
    EXPECT_EQ(settingText("SplitterPosition"), "4000");
    EXPECT_EQ(settingText("tvwKey0"), "sys9");
}

TEST_F(MainWindowTest, CopyPutsTheSelectedRowOrTheOptionPageOnTheClipboard)
{
    auto clipboard = std::make_shared<forms::ScriptedClipboard>();
    forms::setClipboard(clipboard);
    auto window = open(0, "");
    window->selectAndClick("sys9");
    window->list.setCurrentRow(3);
    window->toolbarClick("Copy");
    EXPECT_EQ(clipboard->text(), "代码\t名称\t科目代码\t备注\n02\t赠品\t\t系统预设\n");
    window->selectAndClick("sys13");
    window->toolbarClick("Copy");
    EXPECT_EQ(clipboard->text().substr(0, clipboard->text().find('\n')),
              "检验单套打检验项目精度\t2");
    window->selectAndClick("sys7");
    window->toolbarClick("Copy");
    EXPECT_EQ(clipboard->text().substr(0, clipboard->text().find('\n')),
              "出库成本计价方法\t加权平均法");
    forms::setClipboard(nullptr);
}

TEST_F(MainWindowTest, LoadTimeTexts)
{
    EXPECT_EQ(mainwindow::loadTimeText(0.25), "250.00毫秒");
    EXPECT_EQ(mainwindow::loadTimeText(1.5), "1.50 秒");
    EXPECT_EQ(mainwindow::loadTimeText(1.0), "1000.00毫秒");
    auto window = open(0);
    window->setClock(steppingClock(1.5));
    window->selectAndClick("sys9");
    EXPECT_EQ(window->statusBar.panel("Passtime")->text, "取数据时间:1.50 秒");
}

TEST_F(MainWindowTest, SecondClickOnTheSameNodeReloadsNothing)
{
    auto window = open(0);
    window->selectAndClick("sys2");
    const int refreshes = window->list.refreshCount();
    window->selectAndClick("sys2");
    EXPECT_EQ(window->list.refreshCount(), refreshes);
    window->menuClick("View.Refresh");
    EXPECT_GT(window->list.refreshCount(), refreshes);
}

TEST_F(MainWindowTest, FailingDetailQueryReportsAndRestoresTheWindow)
{
    auto window = open(0);
    account.runNative("DROP TABLE ICPrintMaxCount");
    window->selectAndClick("sys4");
    EXPECT_FALSE(window->busy());
    EXPECT_EQ(window->mousePointer, 0);
    ASSERT_EQ(messages->shown().size(), 1u);
    window->selectAndClick("sys9");
    EXPECT_EQ(component::processState().currentNodeKey, "sys9");
}

TEST_F(MainWindowTest, PopupAndRecordCommandsFollowTheNode)
{
    auto window = open(0);
    window->selectAndClick("sys5");
    window->gridPopup();
    EXPECT_FALSE(window->menus.item("Popup.Add").enabled);
    EXPECT_FALSE(window->menus.item("Popup.Delete").enabled);
    EXPECT_FALSE(window->menus.item("Popup.Modify").enabled);
    EXPECT_FALSE(window->toolbar.button("Modify").visible);
    EXPECT_TRUE(window->optionPageVisible);
    EXPECT_EQ(window->optionPageCode, 1);

    window->selectAndClick("sys9");
    window->gridPopup();
    EXPECT_TRUE(window->menus.item("Popup.Delete").enabled);
    EXPECT_TRUE(window->toolbar.button("New").visible);
    EXPECT_FALSE(window->optionPageVisible);
}

TEST_F(MainWindowTest, RejectedOptionChangeBouncesBackToQualityOptions)
{
    auto window = open(0, "");
    window->selectAndClick("sys13");
    ASSERT_EQ(window->optionPageCode, 8);
    window->lastCheckRejected = true;
    window->selectAndClick("sys5");
    EXPECT_EQ(window->selectedKey(), "sys13");
    EXPECT_EQ(window->optionPageCode, 8);
}

TEST_F(MainWindowTest, RefreshRenumbersVoucherGroupsFromOne)
{
    account.runNative("UPDATE t_VoucherGroup SET FGroupID=FGroupID*10");
    auto window = open(1);
    window->selectAndClick("au3");
    EXPECT_TRUE(window->menuClick("View.Refresh"));
    EXPECT_EQ(account.value("SELECT group_concat(FGroupID || FName, ',') FROM "
                            "(SELECT * FROM t_VoucherGroup ORDER BY FGroupID)"),
              "1记,2收,3付,4转");
}

TEST_F(MainWindowTest, PeriodListShowsEveryPeriodAndHidesRecordCommands)
{
    auto window = open(1);
    window->selectAndClick("au22");
    EXPECT_EQ(window->list.rowCount(), 13);
    EXPECT_EQ(window->list.rowText(13).at(2), "12");
    EXPECT_EQ(window->currentYear, 2026);
    for (const char *button : {"New", "Delete", "Modify"})
        EXPECT_FALSE(window->toolbar.button(button).visible) << button;
}

TEST_F(MainWindowTest, AlarmClassOpensOnTheFirstRowAndTheRootSetsNoCategory)
{
    auto window = open(4);
    const auto nodes = window->tree.displayOrder();
    ASSERT_GT(nodes.size(), 1u);
    EXPECT_EQ(window->selectedKey(), nodes[1]->key);
    EXPECT_EQ("alarm" + window->alarmCategory + "|",
              nodes[1]->key.substr(0, nodes[1]->key.find('|') + 1));
    window->alarmCategory.clear();
    window->selectAndClick("alarm1");
    EXPECT_TRUE(window->optionPageVisible);
    EXPECT_EQ(window->optionPageCode, 12);
    EXPECT_EQ(window->alarmCategory, "");
    window->menuClick("File.Print");
    EXPECT_EQ(window->lastPrintTarget, "option");
}

TEST_F(MainWindowTest, PreviewAndPrintRouting)
{
    auto window = open(0);
    component::processState().currentNodeKey = "sys16";
    window->menuClick("File.Preview");
    EXPECT_EQ(window->lastPrintTarget, "option");
    window->menuClick("File.Print");
    EXPECT_EQ(window->lastPrintTarget, "grid");
    component::processState().currentNodeKey = "sys7";
    window->toolbarClick("PrintView");
    EXPECT_EQ(window->lastPrintTarget, "ctrl1");
}

// The company, print-control and bill-type lists hold their record keys: a click runs no
// query twice and takes the keys from the rows shown.
TEST_F(MainWindowTest, ListsThatHoldTheirKeysAreReadOnceAndKeepThem)
{
    auto window = open(0);
    for (const std::string key : {"sys4", "sys1", "sys9"}) {
        std::vector<std::string> batches;
        db::Database::observeBatches([&](std::string_view batch) { batches.emplace_back(batch); });
        window->selectAndClick(key);
        db::Database::observeBatches(nullptr);
        EXPECT_EQ(std::set<std::string>(batches.begin(), batches.end()).size(), batches.size())
            << key;
        const long keyQueryRuns = key == "sys9" ? 0 : 1; // the others' list is the key query
        EXPECT_EQ(std::count(batches.begin(), batches.end(), mainwindow::recordKeySql(key)),
                  keyQueryRuns)
            << key;
        const auto keys = mainwindow::readRecordKeys(key);
        ASSERT_TRUE(keys);
        ASSERT_EQ(window->recordKeys().keys.size(), keys->keys.size()) << key;
        for (int32_t row = keys->lower; row <= keys->upperBound(); ++row)
            EXPECT_EQ(window->recordKeys().keyOfRow(row).text(), keys->keyOfRow(row).text());
        EXPECT_EQ(editor::editorState().rowKeys.at(3).text(), keys->keyOfRow(3).text());
    }
}

TEST_F(MainWindowTest, AListThatCannotBeReadLeavesNoKeysOfTheNodeBefore)
{
    auto window = open(0);
    window->selectAndClick("sys9");
    ASSERT_FALSE(window->recordKeys().keys.empty());
    account.runNative("DROP TABLE ICPrintMaxCount");
    window->selectAndClick("sys4");
    EXPECT_FALSE(messages->shown().empty());
    EXPECT_TRUE(window->recordKeys().keys.empty());
    EXPECT_TRUE(editor::editorState().rowKeys.empty());
}

TEST_F(MainWindowTest, PlanningListHasItsFooterRow)
{
    auto window = open(2);
    window->selectAndClick("pL1");
    const int rows = window->list.rowCount();
    const auto keys = mainwindow::readRecordKeys("pL1");
    ASSERT_TRUE(keys);
    EXPECT_EQ(keys->keyOfRow(rows).text(), "ProOfBeforeDemandLimit");
    EXPECT_EQ(window->list.rowText(rows).at(2), "早于需求时界的累计未兑现预测处理策略");
}

TEST_F(MainWindowTest, HelpIdsByClassSetCodeAndSubsystem)
{
    using mainwindow::helpIdFor;
    EXPECT_EQ(helpIdFor(1, "xs", "", ""), 260095);
    EXPECT_EQ(helpIdFor(1, "??", "", ""), 250052);
    EXPECT_EQ(helpIdFor(4, "", "", "gmp"), 130340);
    EXPECT_EQ(helpIdFor(0, "JH", "BillNo_SET", ""), 300044);
    EXPECT_EQ(helpIdFor(0, "", "Cj_SET", ""), 330031);
    EXPECT_EQ(helpIdFor(0, "CB", "unknown", ""), 470017);
    EXPECT_EQ(helpIdFor(0, "", "unknown", ""), 0);
}

} // namespace

TEST_F(MainWindowTest, AClickWhileANodeLoadsIsIgnored)
{
    auto window = open(0);
    bool clickedInside = false;
    window->setClock([&] {
        if (!clickedInside) {
            clickedInside = true;
            window->selectAndClick("sys9"); // arrives while sys2 is loading
        }
        return 100.0;
    });
    window->selectAndClick("sys2");
    EXPECT_TRUE(clickedInside);
    EXPECT_EQ(component::processState().currentNodeKey, "sys2");
    EXPECT_NE(window->itemTitle.caption.find("单据设置"), std::string::npos)
        << window->itemTitle.caption;
    window->selectAndClick("sys9");
    EXPECT_EQ(component::processState().currentNodeKey, "sys9")
        << "the ignored click left no trace";
}
