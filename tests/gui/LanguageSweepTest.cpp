// Every node of every class, opened in English off screen: no text the program shows is
// Chinese, and no heading of a list is cut at the default size. The cells of a list are
// the account's data and may be in any language.
#include "GuiFixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTableWidget>
#include <QTreeWidget>

#include <set>

#include "component/ProcessState.h"
#include "gui/LedgerTableView.h"
#include "gui/ParameterTreeView.h"

using namespace orvan;

namespace {

bool hasHan(const QString &text)
{
    for (const QChar c : text) {
        const auto code = c.unicode();
        if ((code >= 0x3400 && code <= 0x9FFF) || (code >= 0x3000 && code <= 0x303F) ||
            (code >= 0xFF00 && code <= 0xFFEF))
            return true;
    }
    return false;
}

class LanguageSweep : public test::GuiFixture
{
protected:
    void SetUp() override
    {
        GuiFixture::SetUp();
        setLogin("UserID=16394;LANGUAGE=EN;");
    }

    // The texts of the program's own widgets: titles, tree, menus, buttons, headings,
    // option captions and choices, the status bar.
    static std::set<QString> ownTexts(QWidget &root)
    {
        std::set<QString> texts{root.windowTitle()};
        for (auto *label : root.findChildren<QLabel *>())
            if (label->isVisible())
                texts.insert(label->text());
        for (auto *button : root.findChildren<QAbstractButton *>())
            if (button->isVisible())
                texts.insert(button->text());
        for (auto *action : root.findChildren<QAction *>())
            texts.insert(action->text());
        for (auto *box : root.findChildren<QComboBox *>())
            for (int i = 0; i < box->count(); ++i)
                texts.insert(box->itemText(i));
        for (auto *tree : root.findChildren<QTreeWidget *>())
            for (QTreeWidgetItemIterator it(tree); *it; ++it)
                texts.insert((*it)->text(0));
        for (auto *table : root.findChildren<QTableWidget *>())
            if (table->isVisible())
                for (int row = 0; row < table->rowCount(); ++row)
                    if (auto *item = table->item(row, 0))
                        texts.insert(item->text());
        for (auto *header : root.findChildren<QHeaderView *>())
            if (header->isVisible() && header->orientation() == Qt::Horizontal)
                for (int i = 0; i < header->count(); ++i)
                    texts.insert(header->model()->headerData(i, Qt::Horizontal).toString());
        return texts;
    }

    // The lists whose every cell is the program's text or a value it words: bill names,
    // number pictures, yes/no, parameter names and their worded values.
    inline static const std::set<std::string> ProgramLists = {"sys2", "sys4", "au1",
                                                              "au21", "au22", "pL1"};

    QStringList listCells() const
    {
        QStringList cells;
        const auto &model = *view->grid()->model();
        for (int row = 0; row < model.rowCount(); ++row)
            for (int column = 0; column < model.columnCount(); ++column)
                cells << model.index(row, column).data().toString();
        return cells;
    }

    // The headings of the shown list that are narrower than their text.
    QStringList cutHeadings() const
    {
        QStringList cut;
        auto *grid = view->grid();
        if (!grid->isVisible())
            return cut;
        auto *header = grid->horizontalHeader();
        const auto metrics = header->fontMetrics();
        for (int i = 0; i < header->count(); ++i) {
            const auto text = header->model()->headerData(i, Qt::Horizontal).toString();
            if (!grid->isColumnHidden(i) && i < header->count() - 1 &&
                header->sectionSize(i) < metrics.horizontalAdvance(text) + 8)
                cut << text;
        }
        return cut;
    }

    void sweepClass(int32_t sysClass)
    {
        show(sysClass);
        if (view->splitter()->sizes().front() > 0) { // the bill-settings class has no tree
            EXPECT_GE(view->splitter()->sizes().front(),
                      std::min(view->tree()->widthForCaptions(), view->width() * 2 / 5) - 1)
                << "class " << sysClass << ": the tree's captions are cut";
        }
        std::vector<std::string> keys;
        for (const auto *node : window->tree.displayOrder())
            keys.push_back(node->key);
        for (const auto &key : keys) {
            view->tree()->setCurrentItem(view->tree()->itemOf(key));
            settle();
            auto texts = ownTexts(*view);
            if (ProgramLists.contains(key))
                for (const auto &text : listCells())
                    texts.insert(text);
            for (const auto &text : texts)
                EXPECT_FALSE(hasHan(text))
                    << "class " << sysClass << ", " << key << ": " << text.toStdString();
            EXPECT_TRUE(cutHeadings().isEmpty()) << "class " << sysClass << ", " << key << ": "
                                                 << cutHeadings().join(", ").toStdString();
        }
    }
};

TEST_F(LanguageSweep, EveryNodeOfEveryClassIsEnglishWithWholeHeadings)
{
    for (int32_t sysClass = 0; sysClass <= 5; ++sysClass)
        sweepClass(sysClass);
}

} // namespace
