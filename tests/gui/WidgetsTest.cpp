// The widgets the maintenance window's view is built from, over hand-made state.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBrush>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSpinBox>

#include <filesystem>
#include <string>
#include <vector>

#include "forms/CellGrid.h"
#include "forms/LedgerGrid.h"
#include "forms/OptionSheet.h"
#include "gui/CellGridView.h"
#include "gui/CellKeyFilter.h"
#include "gui/CellKeyValidator.h"
#include "gui/LedgerTableModel.h"
#include "gui/LedgerTableView.h"
#include "gui/OptionSheetView.h"

namespace orvan::test {
QApplication &qtApplication();
}

using namespace orvan;

namespace {

class WidgetsTest : public ::testing::Test
{
protected:
    void SetUp() override { test::qtApplication(); }

    static void settle()
    {
        for (int pass = 0; pass < 5; ++pass)
            QApplication::processEvents();
    }
};

forms::OptionSheet pageOf(std::vector<forms::OptionRow> rows)
{
    forms::OptionSheet sheet;
    sheet.rows = std::move(rows);
    return sheet;
}

TEST_F(WidgetsTest, PropertyListSendsEachFinishedEditOnceAndShowsWhatTheSheetKept)
{
    auto sheet =
        pageOf({{.key = "name", .caption = "Name", .kind = forms::OptionKind::Text, .value = "old"},
                {.key = "count",
                 .caption = "Count",
                 .kind = forms::OptionKind::WholeNumber,
                 .value = "5",
                 .minimum = 0,
                 .maximum = 9}});
    std::vector<std::string> edits;
    bool accept = false;
    QLineEdit *edit = nullptr;
    gui::OptionSheetView view([&sheet] { return &sheet; },
                              [&](const std::string &key, const std::string &text) {
                                  edits.push_back(key + "=" + text);
                                  // The message box of a refusal takes the focus, and the
                                  // editor reports its edit finished again meanwhile.
                                  emit edit->editingFinished();
                                  if (accept)
                                      sheet.row(key)->value = text;
                                  return accept;
                              },
                              {"Option", "Value"});
    view.render();
    edit = view.editor("name")->findChild<QLineEdit *>();
    ASSERT_EQ(edit->text(), QStringLiteral("old"));

    edit->setText(QStringLiteral("new"));
    emit edit->editingFinished();
    EXPECT_EQ(edits, std::vector<std::string>{"name=new"});
    EXPECT_EQ(edit->text(), QStringLiteral("old"));

    accept = true;
    edit->setText(QStringLiteral("new"));
    emit edit->editingFinished();
    emit edit->editingFinished();
    EXPECT_EQ(edits, (std::vector<std::string>{"name=new", "name=new"}));
    EXPECT_EQ(sheet.row("name")->value, "new");

    // A number left at the value it has is no edit; the spin box keeps to the limits.
    auto *spin = view.editor("count")->findChild<QSpinBox *>();
    EXPECT_EQ(spin->maximum(), 9);
    EXPECT_EQ(spin->value(), 5);
    emit spin->editingFinished();
    EXPECT_EQ(edits.size(), 2u);
}

TEST_F(WidgetsTest, SpaceTicksTheCurrentCheckOptionAndEnterStartsEditingAValue)
{
    auto sheet =
        pageOf({{.key = "on", .caption = "On", .kind = forms::OptionKind::Check, .value = "0"},
                {.key = "name", .caption = "Name", .kind = forms::OptionKind::Text, .value = "x"}});
    std::vector<std::string> edits;
    gui::OptionSheetView view([&sheet] { return &sheet; },
                              [&](const std::string &key, const std::string &text) {
                                  edits.push_back(key + "=" + text);
                                  sheet.row(key)->value = text;
                                  return true;
                              },
                              {"Option", "Value"});
    view.render();
    view.show();
    view.activateWindow();
    settle();
    const auto press = [&view](Qt::Key key) {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&view, &down);
    };
    view.setCurrentCell(0, 0);
    press(Qt::Key_Space);
    EXPECT_EQ(edits, std::vector<std::string>{"on=1"});
    view.setCurrentCell(1, 0);
    press(Qt::Key_Space);
    EXPECT_EQ(edits.size(), 1u) << "Space does not edit a text";
    press(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), view.editor("name")->findChild<QLineEdit *>());
}

TEST_F(WidgetsTest, PropertyListOutlivesAnEditThatReplacesThePage)
{
    auto sheet =
        pageOf({{.key = "a", .caption = "A", .kind = forms::OptionKind::Text, .value = "1"}});
    gui::OptionSheetView *view = nullptr;
    gui::OptionSheetView owned(
        [&sheet] { return &sheet; },
        [&](const std::string &, const std::string &) {
            // The owner shows another page while the edit is handled.
            sheet = pageOf(
                {{.key = "b", .caption = "B", .kind = forms::OptionKind::Check, .value = "1"},
                 {.key = "c", .caption = "C", .kind = forms::OptionKind::Text, .value = "x"}});
            view->render();
            return true;
        },
        {"Option", "Value"});
    view = &owned;
    owned.render();
    auto *edit = owned.editor("a")->findChild<QLineEdit *>();
    edit->setText(QStringLiteral("2"));
    emit edit->editingFinished();
    settle();
    ASSERT_EQ(owned.rowCount(), 2);
    EXPECT_EQ(owned.item(1, 0)->text(), QStringLiteral("C"));
    EXPECT_EQ(owned.editor("c")->findChild<QLineEdit *>()->text(), QStringLiteral("x"));
}

TEST_F(WidgetsTest, GridAsksOnlyForTheRowsItShowsAndFollowsReloads)
{
    forms::LedgerGrid grid;
    grid.setColumnCount(2);
    grid.setRowCount(100001);
    int asked = 0;
    grid.setRowTextHandler([&asked](int row) {
        ++asked;
        return std::vector<std::string>{"r" + std::to_string(row), row == 1 ? "head" : "v"};
    });
    grid.setRowColor(3, 0x9090E0); // 0xBBGGRR
    grid.setCurrentRow(2);
    gui::LedgerTableView view(grid);
    view.resize(400, 300);
    view.show();
    settle();
    auto &model = view.ledgerModel();
    EXPECT_EQ(model.rowCount(), 100000);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "r1");
    EXPECT_EQ(model.data(model.index(0, 0), Qt::DisplayRole).toString(), "r2");
    EXPECT_LT(asked, 200);
    EXPECT_EQ(model.data(model.index(1, 0), Qt::BackgroundRole).value<QBrush>().color(),
              QColor(224, 144, 144));
    EXPECT_EQ(view.currentIndex().row(), 0);

    // The user's choice of a row is the grid's current row.
    view.setCurrentIndex(model.index(4, 1));
    EXPECT_EQ(grid.currentRow(), 6);

    grid.setRowCount(4);
    grid.refresh();
    view.render();
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.data(model.index(2, 0), Qt::DisplayRole).toString(), "r4");
}

TEST_F(WidgetsTest, CheckBoxCellsShowTheGridsTickAndHandClicksOn)
{
    const std::vector<std::string> texts = {"1", " 1 ", "-1", "0", ""};
    forms::CellGrid grid;
    grid.setMaxCols(1);
    grid.setMaxRows(static_cast<int>(texts.size()));
    for (int row = 1; row <= grid.maxRows(); ++row) {
        grid.cell(1, row).type = forms::CellType::CheckBox;
        grid.setText(1, row, texts[static_cast<std::size_t>(row - 1)]);
    }
    std::vector<std::string> clicks;
    gui::CellGridActions actions;
    actions.clickBox = [&](int, int row, bool ticked) {
        clicks.push_back(std::to_string(row) + (ticked ? "+" : "-"));
        grid.setText(1, row, ticked ? "1" : "0");
        return true;
    };
    gui::CellGridView view(grid, {}, std::move(actions));
    const auto state = [&view](int row) {
        return view.model()->data(view.indexOf(1, row), Qt::CheckStateRole).toInt();
    };
    EXPECT_EQ(state(1), Qt::Checked);
    EXPECT_EQ(state(2), Qt::Checked);
    EXPECT_EQ(state(3), Qt::Unchecked);
    EXPECT_EQ(state(4), Qt::Unchecked);
    EXPECT_EQ(state(5), Qt::Unchecked);
    EXPECT_TRUE(view.model()->flags(view.indexOf(1, 3)) & Qt::ItemIsUserCheckable);

    EXPECT_TRUE(view.model()->setData(view.indexOf(1, 3), Qt::Checked, Qt::CheckStateRole));
    EXPECT_TRUE(view.model()->setData(view.indexOf(1, 1), Qt::Unchecked, Qt::CheckStateRole));
    EXPECT_EQ(clicks, (std::vector<std::string>{"3+", "1-"}));
    EXPECT_EQ(state(3), Qt::Checked);
    EXPECT_EQ(state(1), Qt::Unchecked);
}

TEST_F(WidgetsTest, GridEditorsKeepOnlyTheCharactersTheFilterTakes)
{
    forms::CellGrid grid;
    grid.setMaxCols(1);
    grid.setMaxRows(1);
    std::vector<int> asked;
    gui::CellGridActions actions;
    actions.acceptsKey = [&asked](int keyAscii) {
        asked.push_back(keyAscii);
        return keyAscii != '\'' && keyAscii != '"' && keyAscii != 8;
    };
    gui::CellGridView view(grid, {}, std::move(actions));

    // Pasted text loses the refused characters; the cursor stays after the same ones.
    gui::CellKeyValidator validator(view, nullptr);
    QString pasted = QStringLiteral("a'b\"c");
    int cursor = 3;
    EXPECT_EQ(validator.validate(pasted, cursor), QValidator::Acceptable);
    EXPECT_EQ(pasted, QStringLiteral("abc"));
    EXPECT_EQ(cursor, 2);

    // Typed keys: a refused one is swallowed, others pass on.
    gui::CellKeyFilter filter(view, nullptr);
    QLineEdit target;
    QKeyEvent quote(QEvent::KeyPress, Qt::Key_Apostrophe, Qt::NoModifier, QStringLiteral("'"));
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QKeyEvent arrow(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    EXPECT_TRUE(filter.eventFilter(&target, &quote));
    EXPECT_FALSE(filter.eventFilter(&target, &letter));
    EXPECT_FALSE(filter.eventFilter(&target, &arrow));

    // Of the control characters only backspace is offered to the filter.
    asked.clear();
    EXPECT_TRUE(view.acceptsText(QStringLiteral("\t\r")));
    EXPECT_TRUE(asked.empty());
    EXPECT_FALSE(view.acceptsText(QString(QChar(8))));
}

} // namespace
