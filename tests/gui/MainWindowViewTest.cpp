#include "GuiFixture.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTableWidget>

#include <cstdlib>

#include "closing/BillClosingDialog.h"
#include "forms/OptionSheet.h"
#include "forms/Printer.h"
#include "gui/BillClosingDialogView.h"
#include "gui/HistoryView.h"
#include "gui/LedgerTableModel.h"
#include "gui/LedgerTableView.h"
#include "gui/MenuBinder.h"
#include "gui/OptionSheetView.h"
#include "gui/OverallOptionList.h"
#include "gui/ParameterTreeView.h"
#include "gui/QtShell.h"
#include "gui/SearchBox.h"
#include "gui/ToolbarBinder.h"
#include "mainwindow/HistoryWindow.h"

using namespace orvan;

namespace {

class MainWindowViewTest : public test::GuiFixture
{
protected:
    void click(const std::string &key)
    {
        auto *item = view->tree()->itemOf(key);
        ASSERT_NE(item, nullptr) << key;
        view->tree()->setCurrentItem(item);
        settle();
        ASSERT_EQ(window->selectedKey(), key);
    }

    // The grid's model shows the window's heading row and data rows.
    void expectGridShowsRows()
    {
        ASSERT_EQ(view->shownContent(), view->grid());
        auto &model = view->grid()->ledgerModel();
        const auto &grid = window->list;
        ASSERT_GT(grid.rowCount(), 1);
        EXPECT_EQ(model.rowCount(), grid.rowCount() - 1);
        const auto heading = window->rowText(1);
        const auto first = window->rowText(2);
        const auto last = window->rowText(grid.rowCount());
        for (int column = 0; column < model.columnCount(); ++column) {
            const auto c = static_cast<std::size_t>(column);
            EXPECT_EQ(model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(),
                      QString::fromStdString(heading.at(c)));
            EXPECT_EQ(model.data(model.index(0, column), Qt::DisplayRole).toString(),
                      QString::fromStdString(first.at(c)));
            EXPECT_EQ(
                model.data(model.index(model.rowCount() - 1, column), Qt::DisplayRole).toString(),
                QString::fromStdString(last.at(c)));
        }
        EXPECT_EQ(view->itemTitle()->text(), QString::fromStdString(window->itemTitle.caption));
    }

    // The property list shows the sheet's rows.
    void expectSheetShown(gui::OptionSheetView *shown, const forms::OptionSheet &sheet)
    {
        ASSERT_EQ(view->shownContent(), shown);
        ASSERT_FALSE(sheet.rows.empty());
        ASSERT_EQ(shown->rowCount(), static_cast<int>(sheet.rows.size()));
        for (std::size_t i = 0; i < sheet.rows.size(); ++i) {
            EXPECT_EQ(shown->item(static_cast<int>(i), 0)->text(),
                      QString::fromStdString(sheet.rows[i].caption));
            EXPECT_NE(shown->editor(sheet.rows[i].key), nullptr);
        }
    }
};

TEST_F(MainWindowViewTest, SystemClassShowsListsOptionPagesAndCalculationParameters)
{
    show(0);
    EXPECT_EQ(view->windowTitle(), QString::fromStdString(window->caption));
    EXPECT_EQ(view->classTitle()->text(), QStringLiteral("系统参数设置"));
    EXPECT_EQ(view->tree()->topLevelItemCount(), static_cast<int>(window->tree.count()));
    EXPECT_EQ(view->tree()->currentItem(), view->tree()->itemOf(window->selectedKey()));

    click("sys9");
    expectGridShowsRows();

    click("sys7");
    expectSheetShown(view->calculationView(false), window->calculationControl->sheet());

    click("sys3");
    auto &sheet = window->optionControl->sheet();
    expectSheetShown(view->optionPage(), sheet);
    ASSERT_TRUE(view->overallOptions()->isVisible());
    EXPECT_EQ(view->overallOptions()->count(),
              static_cast<int>(window->overallOptionList.items.size()));

    // A tick goes to the control and stays; a refused text goes back to the stored one.
    const auto check = std::find_if(sheet.rows.begin(), sheet.rows.end(), [](const auto &row) {
        return row.kind == forms::OptionKind::Check && row.enabled;
    });
    ASSERT_NE(check, sheet.rows.end());
    const auto checkKey = check->key;
    const bool wasChecked = check->value == "1";
    view->optionPage()->editor(checkKey)->findChild<QCheckBox *>()->click();
    settle();
    EXPECT_EQ(sheet.row(checkKey)->value, wasChecked ? "0" : "1");

    const auto text = std::find_if(sheet.rows.begin(), sheet.rows.end(), [](const auto &row) {
        return row.kind == forms::OptionKind::Text && row.maxLength > 0;
    });
    ASSERT_NE(text, sheet.rows.end());
    const auto textKey = text->key;
    const auto stored = QString::fromStdString(text->value);
    auto *edit = view->optionPage()->editor(textKey)->findChild<QLineEdit *>();
    edit->setText(QString(text->maxLength, QChar(0x5B58))); // twice the bytes allowed
    emit edit->editingFinished();
    settle();
    EXPECT_EQ(QString::fromStdString(sheet.row(textKey)->value), stored);
    EXPECT_EQ(edit->text(), stored);
    EXPECT_FALSE(messages->shown().empty());
}

TEST_F(MainWindowViewTest, OverallOptionTicksGoToTheWindow)
{
    show(0);
    click("sys3");
    auto *list = view->overallOptions();
    ASSERT_GT(list->count(), 0);
    auto *item = list->item(0);
    const auto key = item->data(Qt::UserRole).toString().toStdString();
    const bool was = window->overallOptionList.item(key)->checked;
    item->setCheckState(was ? Qt::Unchecked : Qt::Checked);
    settle();
    EXPECT_EQ(window->overallOptionList.item(key)->checked, !was);
    EXPECT_EQ(list->item(0)->checkState() == Qt::Checked, !was);

    click("sys1");
    EXPECT_FALSE(view->overallOptions()->isVisible());
}

TEST_F(MainWindowViewTest, AllClassesShowTheNestedTreeAListAndAnOptionPage)
{
    show(3);
    auto *child = view->tree()->itemOf("au21");
    ASSERT_NE(child, nullptr);
    ASSERT_NE(child->parent(), nullptr);
    EXPECT_EQ(child->parent(), view->tree()->itemOf("au2"));

    click("au3");
    expectGridShowsRows();
    click("sys3");
    expectSheetShown(view->optionPage(), window->optionControl->sheet());
}

TEST_F(MainWindowViewTest, MenusAndToolbarFollowTheWindow)
{
    show(0);
    click("sys9");
    auto &menus = view->menus();
    const auto &state = window->menus;
    for (const char *path : {"Edit.Add", "Edit.Modify", "Edit.Delete"})
        EXPECT_EQ(menus.action(path)->isEnabled(), state.find(path)->enabled) << path;
    for (const auto &button : window->toolbar.buttons())
        EXPECT_EQ(view->toolbar().action(button.key)->isVisible(), button.visible) << button.key;

    view->chooseMenuItem("View.StatusBar");
    settle();
    EXPECT_FALSE(state.find("View.StatusBar")->checked);
    EXPECT_FALSE(view->statusBar()->isVisible());
    EXPECT_FALSE(menus.action("View.StatusBar")->isChecked());

    // The splitter keeps both sides at least 1680 twips wide, as the window says.
    emit view->splitter()->splitterMoved(10, 1);
    settle();
    EXPECT_EQ(window->splitter.position, mainwindow::MaintenanceWindow::SplitterLimit);
    EXPECT_EQ(view->splitter()->sizes().front(), 112);

    // Preview of a list: the view prints the grid as the window leaves it to.
    auto printer = std::make_shared<forms::ScriptedPrinter>();
    forms::setPrinter(printer);
    view->pressToolButton("PrintView");
    forms::setPrinter(nullptr);
    ASSERT_EQ(printer->jobs().size(), 1u);
    const auto &job = printer->jobs().front();
    EXPECT_EQ(job.mode, forms::PrintMode::Preview);
    EXPECT_EQ(job.document.title, window->itemTitle.caption);
    // The ids the list keeps in heading-less columns are not printed.
    EXPECT_EQ(job.document.headings,
              (std::vector<std::string>{"代码", "名称", "科目代码", "备注"}));
    EXPECT_EQ(job.document.rows.size(), static_cast<std::size_t>(window->list.rowCount() - 1));
}

TEST_F(MainWindowViewTest, ShellShowsTheViewAndClosingKeepsWidthsAndNode)
{
    component::processState().sysClass = 0;
    bool shown = false;
    gui::registerMainWindowView([&](gui::MainWindowView &opened) {
        shown = true;
        QTimer::singleShot(50, &opened, [&opened] {
            opened.tree()->setCurrentItem(opened.tree()->itemOf("sys9"));
            // The user drags the border of the first column shown (the code) to 150 pixels.
            auto *header = opened.grid()->horizontalHeader();
            const QPointF at(2, 2);
            QMouseEvent press(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton,
                              Qt::NoModifier);
            QApplication::sendEvent(header->viewport(), &press);
            header->resizeSection(2, 150);
            QMouseEvent release(QEvent::MouseButtonRelease, at, at, Qt::LeftButton, Qt::NoButton,
                                Qt::NoModifier);
            QApplication::sendEvent(header->viewport(), &release);
            opened.close();
        });
    });
    forms::setShell(std::make_shared<gui::QtShell>());
    mainwindow::runMaintenanceWindow();
    forms::setShell(nullptr);
    EXPECT_TRUE(shown);
    EXPECT_EQ(settingText("tvwKey0"), "sys9");
    EXPECT_EQ(settingText("ColWidths_sys9"), "3:2250") << "kept for the node's list";
}

} // namespace

namespace {

using ClosingViewTest = test::GuiFixture;

TEST_F(ClosingViewTest, CloseNamesThePeriodAndAsksFirst)
{
    closing::BillClosingDialog form;
    form.load();
    gui::BillClosingDialogView view(form);
    view.show();
    settle();
    auto *period = view.findChild<QLabel *>(QStringLiteral("lblPeriod"));
    ASSERT_NE(period, nullptr);
    EXPECT_EQ(period->text(), QStringLiteral("当前期间：2026年第12期（2026-12-01至2026-12-31）"));

    QString asked;
    answerMessageBox([&asked](QMessageBox &box) {
        asked = box.text();
        box.button(QMessageBox::No)->click();
    });
    view.pushButton(closing::BillClosingDialog::CloseKey)->click();
    EXPECT_EQ(asked,
              QStringLiteral("确定要关闭2026年第12期（2026-12-01至2026-12-31）的出入库单据吗？"));
    EXPECT_TRUE(messages->shown().empty()) << "No: nothing was checked or closed";

    answerMessageBox([](QMessageBox &box) { box.button(QMessageBox::Yes)->click(); });
    view.pushButton(closing::BillClosingDialog::CloseKey)->click();
    EXPECT_FALSE(messages->shown().empty()) << "Yes: the checks ran";
}

} // namespace

// The history view shows the rows of the window's node and hands the filter to it. With
// ORVAN_SCREENSHOT_DIR set it also writes history.png there (the README's picture).
TEST_F(MainWindowViewTest, HistoryViewShowsTheNodesChangesAndFiltersThem)
{
    setLogin("UserID=16394;UserName=administrator;SubID=;LANGUAGE=chs;");
    show(0);
    click("sys9");
    connection().Execute("UPDATE ICBillType SET FNote='展会样机' WHERE FID=1");
    connection().Execute("UPDATE ICBillType SET FName='赠品(促销)' WHERE FID=2");
    connection().Execute("UPDATE t_VoucherGroup SET FName='收款' WHERE FGroupID=2");
    mainwindow::HistoryWindow history("sys9", "单据类型");
    history.load();
    gui::HistoryView historyView(history);
    historyView.show();
    settle();
    EXPECT_EQ(historyView.windowTitle(), QStringLiteral("修改记录 - 单据类型"));
    ASSERT_EQ(historyView.table()->rowCount(), 2) << "the bill types' changes only";
    EXPECT_EQ(historyView.table()->item(0, 5)->text(), QStringLiteral("FName"));
    EXPECT_EQ(historyView.table()->item(0, 7)->text(), QStringLiteral("赠品(促销)"));
    if (const char *folder = std::getenv("ORVAN_SCREENSHOT_DIR"))
        historyView.grab().save(QString::fromLocal8Bit(folder) + "/history.png");
    historyView.filterBox()->setText(QStringLiteral("fnote"));
    settle();
    ASSERT_EQ(historyView.table()->rowCount(), 1);
    EXPECT_EQ(history.filter(), "fnote");
}

// Ctrl+F takes the focus to the search box, typing filters the tree, Enter goes from match
// to match with the options of the page marked and Escape brings every node back. With
// ORVAN_SCREENSHOT_DIR set it also writes search.png there (the README's picture).
TEST_F(MainWindowViewTest, SearchBoxTakesCtrlFFiltersTheTreeAndGoesToTheMatches)
{
    show(0);
    view->activateWindow();
    view->tree()->setFocus();
    settle();
    auto *edit = view->searchBox()->edit();
    QKeyEvent find(QEvent::KeyPress, Qt::Key_F, Qt::ControlModifier);
    QApplication::sendEvent(view->tree(), &find);
    settle();
    EXPECT_EQ(view->focusWidget(), edit);

    for (const QChar c : QStringLiteral("单据")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
    }
    settle();
    EXPECT_EQ(window->search().text(), "单据");
    EXPECT_TRUE(view->tree()->itemOf("sys1")->isHidden());
    auto *stock = view->tree()->itemOf("sys6");
    EXPECT_FALSE(stock->isHidden());
    EXPECT_TRUE(stock->font(0).bold());

    // The matches: the bill settings, the bill types, one supply-chain option, then the
    // stock options.
    for (int press = 0; press < 4; ++press) {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(edit, &enter);
    }
    settle();
    ASSERT_EQ(window->selectedKey(), "sys6");
    auto *page = view->optionPage();
    ASSERT_EQ(view->shownContent(), page);
    const auto &sheet = window->optionControl->sheet();
    ASSERT_GE(page->currentRow(), 0);
    EXPECT_EQ(sheet.rows.at(static_cast<std::size_t>(page->currentRow())).key, "CheckBillPosted");
    int marked = 0;
    for (int row = 0; row < page->rowCount(); ++row)
        marked += page->item(row, 0)->background().color() == gui::SearchBox::hitColor();
    EXPECT_EQ(marked, 4) << "the options that hold the text";
    if (const char *folder = std::getenv("ORVAN_SCREENSHOT_DIR"))
        view->grab().save(QString::fromLocal8Bit(folder) + "/search.png");

    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(edit, &escape);
    settle();
    EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_FALSE(view->tree()->itemOf("sys1")->isHidden());
    EXPECT_FALSE(stock->font(0).bold());
    EXPECT_TRUE(view->isVisible()) << "Escape in the box leaves the window open";
}

// Nothing matching: the box says so under it; the list's rows a search marks are coloured.
TEST_F(MainWindowViewTest, SearchBoxSaysWhenNothingMatchesAndMarksListRows)
{
    show(0);
    click("sys9");
    view->searchBox()->edit()->setText(QStringLiteral("zzqx"));
    settle();
    EXPECT_TRUE(view->searchBox()->emptyLabel()->isVisible());
    EXPECT_EQ(view->searchBox()->emptyLabel()->text(), QStringLiteral("没有找到“zzqx”。"));

    view->searchBox()->edit()->setText(QStringLiteral("赠品"));
    settle();
    EXPECT_FALSE(view->searchBox()->emptyLabel()->isVisible());
    auto &model = view->grid()->ledgerModel();
    int marked = 0;
    for (int row = 0; row < model.rowCount(); ++row) {
        const auto brush = model.data(model.index(row, 1), Qt::BackgroundRole);
        if (brush.isValid() && brush.value<QBrush>().color() == gui::SearchBox::hitColor())
            ++marked;
    }
    EXPECT_EQ(marked, 1);
}
