#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include <cstdlib>

#include "GuiFixture.h"
#include "base/DateTime.h"
#include "billcode/BillCodeFixture.h"
#include "billcode/BillSettingsPage.h"
#include "billcode/ItemList.h"
#include "billcode/NextNumberPreview.h"
#include "billcode/RuleColumns.h"
#include "component/AccountLookupForm.h"
#include "component/OptionDetailForm.h"
#include "editor/EditorFixture.h"
#include "gui/AccountLookupDialog.h"
#include "gui/CellGridView.h"
#include "gui/EditorDialog.h"
#include "gui/EditorViews.h"
#include "gui/OptionDetailDialogView.h"
#include "gui/QtShell.h"
#include "gui/RuleGridView.h"
#include "suite/OptionDialogs.h"

namespace orvan::test {
namespace {

using editor::RecordEditor;
namespace Col = billcode::RuleColumn;

constexpr const char *UnknownAccount = "输入的数据不正确。在科目表中找不到对应的项。";

void settle()
{
    for (int pass = 0; pass < 5; ++pass)
        QApplication::processEvents();
}

// With ORVAN_SCREENSHOT_DIR set, the window is also written there as <name>.png.
void snapshot(QWidget &window, const char *name)
{
    const char *dir = std::getenv("ORVAN_SCREENSHOT_DIR");
    if (dir && *dir)
        window.grab().save(QDir(QString::fromUtf8(dir)).filePath(QString::fromUtf8(name)) +
                           QStringLiteral(".png"));
}

void type(QWidget &target, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&target, &press);
    }
}

void pressKey(QWidget &target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&target, &press);
}

// Opens the editor of a cell as a double click does and returns it.
template <class Editor>
Editor *openCellEditor(gui::CellGridView &grid, int col, int row)
{
    const auto index = grid.indexOf(col, row);
    grid.setCurrentIndex(index);
    grid.edit(index);
    settle();
    return qobject_cast<Editor *>(grid.indexWidget(index));
}

QString qt(const std::string &text)
{
    return QString::fromStdString(text);
}

class EditorViewTest : public EditorFixture
{
protected:
    void SetUp() override
    {
        qtApplication();
        EditorFixture::SetUp();
    }

    RecordEditor &openBillType(int id)
    {
        const std::vector<int> ids = {1, 2, 3, 4, 5, 6, 1001, 1002, 1003, 1004};
        const auto at = std::find(ids.begin(), ids.end(), id) - ids.begin();
        return EditorFixture::openEditor("sys9", std::vector<base::Variant>(ids.begin(), ids.end()),
                                         2 + static_cast<int>(at));
    }
};

TEST_F(EditorViewTest, ShowsTheRecordAndHandsEditsToTheForm)
{
    auto &form = openBillType(1001);
    gui::EditorDialog view(form);
    view.show();
    settle();
    auto &grid = *view.propertyGrid();
    EXPECT_EQ(view.windowTitle(), "单据类型");
    EXPECT_EQ(view.tabWidget()->tabText(0), qt(form.tabs().captions[0]));
    EXPECT_EQ(grid.shownText(1, 1), "代码");
    EXPECT_EQ(grid.shownText(2, 1), "U01");
    EXPECT_EQ(grid.shownText(2, 3), "660201");
    EXPECT_TRUE(grid.isColumnHidden(grid.indexOf(3, 1).column()));
    EXPECT_FALSE(view.toolAction(RecordEditor::NewKey)->isVisible());
    snapshot(view, "editor-bill-type");

    auto *note = openCellEditor<QLineEdit>(grid, 2, 4);
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(form.grid().activeRow(), 4) << "the cursor move reached the form";
    note->clear();
    type(*note, "a'b\"c");
    EXPECT_EQ(note->text(), "abc") << "the quote characters are discarded";
    pressKey(*note, Qt::Key_Return);
    settle();
    EXPECT_TRUE(form.changed);
    EXPECT_EQ(form.grid().text(2, 4), "abc");
    EXPECT_EQ(grid.shownText(2, 4), "abc");

    EXPECT_FALSE(grid.model()->flags(grid.indexOf(1, 2)) & Qt::ItemIsEditable)
        << "captions are not edited";

    const int shown = form.option(RecordEditor::ErrorBox).value;
    view.optionBox(RecordEditor::ErrorBox)->click();
    EXPECT_EQ(form.option(RecordEditor::ErrorBox).value, 1 - shown);
    EXPECT_EQ(view.optionBox(RecordEditor::ErrorBox)->isChecked(), shown == 0);

    auto *unfinished = openCellEditor<QLineEdit>(grid, 2, 4);
    ASSERT_NE(unfinished, nullptr);
    unfinished->setText("新备注");
    view.toolAction(RecordEditor::SaveKey)->trigger();
    settle();
    EXPECT_EQ(text("select FNote from ICBillType where FID=1001"), "新备注")
        << "the cell still being edited is saved";
    EXPECT_FALSE(form.changed);
}

TEST_F(EditorViewTest, ToolbarMovesToTheNextRecord)
{
    auto &form = openBillType(1001);
    gui::EditorDialog view(form);
    view.show();
    settle();
    view.toolAction(RecordEditor::NextKey)->trigger();
    settle();
    EXPECT_EQ(view.propertyGrid()->shownText(2, 1),
              qt(text("select FNumber from ICBillType where FID=1002")));
}

TEST_F(EditorViewTest, RefusedMoveKeepsTheCursorInItsCell)
{
    auto &form = openBillType(1004);
    gui::EditorDialog view(form);
    view.show();
    settle();
    auto &grid = *view.propertyGrid();
    auto *account = openCellEditor<QLineEdit>(grid, 2, 3);
    ASSERT_NE(account, nullptr);
    account->setText("9999");
    pressKey(*account, Qt::Key_Return);
    settle();
    EXPECT_EQ(form.grid().text(2, 3), "9999");

    grid.setCurrentIndex(grid.indexOf(2, 4));
    settle();
    EXPECT_EQ(shownTexts(), std::vector<std::string>{UnknownAccount});
    EXPECT_EQ(form.grid().activeRow(), 3);
    EXPECT_EQ(grid.currentIndex(), grid.indexOf(2, 3)) << "the cursor went back";
}

TEST_F(EditorViewTest, F7InTheAccountCellOpensTheLookupView)
{
    forms::setShell(std::make_shared<gui::QtShell>());
    gui::registerEditorViews();
    auto &form = openBillType(1004);
    gui::EditorDialog view(form);
    view.show();
    settle();
    auto &grid = *view.propertyGrid();
    grid.setCurrentIndex(grid.indexOf(2, 3));
    QTimer::singleShot(0, [] {
        auto *lookup = qobject_cast<gui::AccountLookupDialog *>(QApplication::activeModalWidget());
        if (!lookup) {
            ADD_FAILURE() << "the account lookup is not shown";
            return;
        }
        type(*lookup->searchBox(), "研发");
        lookup->okButton()->click();
    });
    pressKey(grid, Qt::Key_F7);
    settle();
    EXPECT_EQ(grid.shownText(2, 3), "660201");
    EXPECT_TRUE(form.changed);
}

class RuleGridViewTest : public BillCodeFixture
{
protected:
    void SetUp() override
    {
        qtApplication();
        BillCodeFixture::SetUp();
        billcode::registerBillSettingsPage();
        component::processState().currentNodeKey = "sys2";
        auto &values = editor::editorState();
        values.rowKeys.assign(2, std::vector<base::Variant>{21, 72});
        values.currentRow = 2;
        form.load();
    }

    RecordEditor form;
};

TEST_F(RuleGridViewTest, ShowsTheRuleAndItsNextNumber)
{
    gui::EditorDialog view(form);
    view.show();
    settle();
    ASSERT_NE(view.ruleGrid(), nullptr);
    auto &rules = *view.ruleGrid();
    auto &table = *rules.table();
    const auto &grid = rules.rules().grid();
    EXPECT_EQ(table.model()->headerData(Col::Item, Qt::Horizontal).toString(), "项目");
    EXPECT_EQ(table.shownText(Col::Item, 1), "自定义");
    EXPECT_EQ(table.shownText(Col::Format, 1), "XOUT");
    EXPECT_EQ(table.shownText(Col::Item, 3), "流水号");
    EXPECT_TRUE(table.isColumnHidden(Col::Kind));
    EXPECT_FALSE(table.isColumnHidden(Col::Basis));
    EXPECT_EQ(table.model()->data(table.indexOf(Col::Basis, 2), Qt::CheckStateRole).toInt(),
              Qt::Checked);
    EXPECT_FALSE(table.model()->flags(table.indexOf(Col::Length, 1)) & Qt::ItemIsEditable)
        << "locked cells are read-only";
    const auto number = billcode::previewNextNumber(grid, base::today());
    EXPECT_TRUE(rules.preview()->text().contains(qt(number)));
    EXPECT_TRUE(view.pageBox(billcode::BillSettingsPage::UseRuleBox)->isChecked());
    snapshot(view, "editor-bill-settings");

    auto *format = openCellEditor<QLineEdit>(table, Col::Format, 1);
    ASSERT_NE(format, nullptr);
    format->setText("YIN");
    pressKey(*format, Qt::Key_Return);
    settle();
    EXPECT_EQ(grid.text(Col::Format, 1), "YIN");
    EXPECT_TRUE(form.ruleChanged);
    EXPECT_TRUE(
        rules.preview()->text().contains(qt(billcode::previewNextNumber(grid, base::today()))));
    EXPECT_TRUE(rules.preview()->text().contains("YIN"));

    auto *item = openCellEditor<QComboBox>(table, Col::Item, 4);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->itemText(2), "日期");
    item->setCurrentIndex(2);
    pressKey(*item, Qt::Key_Return);
    settle();
    EXPECT_EQ(grid.text(Col::Kind, 4), std::to_string(billcode::ItemKind::Date));
    EXPECT_EQ(table.shownText(Col::Item, 4), "日期");
}

class LookupViewTest : public ::testing::Test
{
protected:
    void SetUp() override { qtApplication(); }
};

TEST_F(LookupViewTest, SearchNarrowsTheListAndOkTakesTheCurrentAccount)
{
    component::AccountLookupForm form({{1, "1001", "库存现金"},
                                       {2, "1002", "银行存款"},
                                       {3, "6602", "管理费用"},
                                       {4, "660201", "管理费用-办公费"}});
    form.load();
    gui::AccountLookupDialog view(form);
    view.show();
    settle();
    EXPECT_EQ(view.list()->rowCount(), 4);
    snapshot(view, "account-lookup");

    type(*view.searchBox(), "管理");
    EXPECT_EQ(form.searchText(), "管理");
    ASSERT_EQ(view.list()->rowCount(), 2);
    EXPECT_EQ(view.list()->item(1, 1)->text(), "管理费用-办公费");
    pressKey(*view.searchBox(), Qt::Key_Down);
    EXPECT_EQ(form.currentRow(), 1);
    EXPECT_EQ(view.list()->currentRow(), 1);

    view.okButton()->click();
    ASSERT_TRUE(form.chosen().has_value());
    EXPECT_EQ(form.chosen()->number, "660201");
    EXPECT_TRUE(form.closeRequested());
}

TEST_F(LookupViewTest, OptionDialogsRunThroughTheShell)
{
    gui::registerEditorViews();
    component::OptionDetailForm form(component::OptionDialogForm::ShortageWarning);
    form.caption = "缺货预警设置";
    form.checkBoxes.push_back({.name = "W_Enabled", .caption = "启用缺货预警"});
    form.numbers.push_back({.name = "W_DaysAhead",
                            .caption = "预警提前天数",
                            .value = 3,
                            .minimum = 0,
                            .maximum = 365});
    QTimer::singleShot(0, [&form] {
        auto *view = qobject_cast<gui::OptionDetailDialogView *>(QApplication::activeModalWidget());
        if (!view) {
            ADD_FAILURE() << "the option dialog is not shown";
            if (auto *shown = QApplication::activeModalWidget())
                shown->close();
            return;
        }
        snapshot(*view, "option-detail");
        view->checkBox("W_Enabled")->click();
        EXPECT_EQ(form.checkBox("W_Enabled")->value, 1);
        EXPECT_EQ(view->numberBox("W_DaysAhead")->maximum(), 365);
        view->numberBox("W_DaysAhead")->setValue(30);
        EXPECT_EQ(form.number("W_DaysAhead")->value, 30);
        view->pushButton(component::OptionDetailForm::OkKey)->click();
    });
    gui::QtShell().runModal(form);
    EXPECT_TRUE(form.accepted());
    EXPECT_EQ(form.checkBox("W_Enabled")->value, 1);
}

} // namespace
} // namespace orvan::test
