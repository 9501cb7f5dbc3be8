#include "MainWindowFixture.h"

using namespace orvan;
using mainwindow::MaintenanceWindow;

namespace {

class SearchTest : public test::MainWindowFixture
{
protected:
    void speak(const char *language)
    {
        setLogin(std::string("UserID=16394;SubID=;LANGUAGE=") + language + ";");
    }

    // The keys of the nodes the tree shows, in display order.
    static std::vector<std::string> shownNodes(const MaintenanceWindow &window)
    {
        std::vector<std::string> keys;
        for (const auto *node : window.tree.displayOrder())
            if (!node->hidden)
                keys.push_back(node->key);
        return keys;
    }

    static bool found(const MaintenanceWindow &window, const std::string &nodeKey,
                      const std::string &caption)
    {
        for (const auto &match : window.search().matches())
            if (match.nodeKey == nodeKey && match.caption == caption)
                return true;
        return false;
    }

    // The grid row showing a text in some cell; 0 when none does.
    static int rowShowing(const MaintenanceWindow &window, const std::string &text)
    {
        for (int row = 2; row <= window.list.rowCount(); ++row) {
            const auto cells = window.list.rowText(row);
            if (std::find(cells.begin(), cells.end(), text) != cells.end())
                return row;
        }
        return 0;
    }
};

TEST_F(SearchTest, CaptionsAreSearchedInTheLoginsLanguage)
{
    auto window = open(0);
    window->setSearchText("单据类型");
    EXPECT_TRUE(found(*window, "sys9", "单据类型"));
    EXPECT_EQ(shownNodes(*window), std::vector<std::string>{"sys9"});
    EXPECT_TRUE(window->tree.find("sys9")->bold);

    speak("EN");
    window = open(0);
    window->setSearchText("bill types");
    EXPECT_TRUE(found(*window, "sys9", "Bill Types")) << "case ignored";
    window->setSearchText("单据类型");
    EXPECT_TRUE(window->search().matches().empty()) << "the Chinese caption is not shown";

    speak("CHT");
    window = open(0);
    window->setSearchText("單據類型");
    EXPECT_TRUE(found(*window, "sys9", "單據類型"));
}

// The tree stays a tree: the ancestors of a match are shown (not bold) and opened down to
// it; its siblings are not.
TEST_F(SearchTest, FilteringKeepsTheAncestorsOfMatchesAndClearingRestoresTheTree)
{
    auto window = open(3);
    const auto everything = shownNodes(*window);
    const bool periodsOpen = window->tree.find("au2")->expanded;
    window->setSearchText("日期表");
    EXPECT_EQ(shownNodes(*window), (std::vector<std::string>{"All1", "au2", "au22"}));
    EXPECT_TRUE(window->tree.find("au22")->bold);
    EXPECT_FALSE(window->tree.find("au2")->bold);
    EXPECT_TRUE(window->tree.find("au2")->expanded);
    EXPECT_TRUE(window->tree.find("All1")->expanded);

    window->setSearchText("");
    EXPECT_EQ(shownNodes(*window), everything);
    EXPECT_FALSE(window->tree.find("au22")->bold);
    EXPECT_EQ(window->tree.find("au2")->expanded, periodsOpen) << "as before the search";
    EXPECT_TRUE(window->search().emptyText().empty());
}

TEST_F(SearchTest, NothingMatchingSaysSoAndBlanksAreNoSearch)
{
    auto window = open(0);
    const auto selected = window->selectedKey();
    window->setSearchText("zzqx");
    EXPECT_EQ(window->search().emptyText(), "没有找到“zzqx”。");
    EXPECT_TRUE(shownNodes(*window).empty());
    EXPECT_FALSE(window->nextMatch());
    EXPECT_EQ(window->selectedKey(), selected);

    window->setSearchText("单据类型");
    EXPECT_EQ(window->search().emptyText(), "") << "a search that finds something";
    window->setSearchText("   ");
    EXPECT_FALSE(window->search().active());
    EXPECT_EQ(window->search().emptyText(), "");
    EXPECT_EQ(shownNodes(*window).size(), window->tree.count());

    // A parameter of a node the window's class does not show (the bill types) is no match.
    auto all = open(3);
    all->setSearchText("赠品");
    EXPECT_EQ(all->search().emptyText(), "没有找到“赠品”。");

    speak("EN");
    window = open(0);
    window->setSearchText("zzqx");
    EXPECT_EQ(window->search().emptyText(), "No parameter matches \"zzqx\".");
    speak("CHT");
    window = open(0);
    window->setSearchText("zzqx");
    EXPECT_EQ(window->search().emptyText(), "沒有找到“zzqx”。");
}

TEST_F(SearchTest, EnterGoesThroughTheMatchesAndWrapsToTheFirst)
{
    auto window = open(0, ""); // every subsystem's options
    window->setSearchText("单据");
    const auto matches = window->search().matches();
    ASSERT_GT(matches.size(), 2u);
    for (const auto &match : matches) {
        ASSERT_TRUE(window->nextMatch());
        EXPECT_EQ(window->selectedKey(), match.nodeKey);
        EXPECT_EQ(component::processState().currentNodeKey, match.nodeKey) << "clicked";
    }
    EXPECT_EQ(window->search().current(), static_cast<int>(matches.size()) - 1);
    ASSERT_TRUE(window->nextMatch());
    EXPECT_EQ(window->search().current(), 0);
    EXPECT_EQ(window->selectedKey(), matches.front().nodeKey);

    window->setSearchText("单据类型");
    EXPECT_EQ(window->search().current(), -1) << "a new search starts again";
}

// An option found by its key is marked and made current on its page; others are not.
TEST_F(SearchTest, AnOptionFoundByKeyIsMarkedAndCurrent)
{
    auto window = open(0, "");
    window->setSearchText("showallbillhead");
    ASSERT_TRUE(window->nextMatch());
    ASSERT_EQ(window->selectedKey(), "sys3");
    ASSERT_NE(window->shownSheet(), nullptr);
    const auto &sheet = *window->shownSheet();
    ASSERT_GE(sheet.currentRow, 0);
    EXPECT_EQ(sheet.rows.at(static_cast<std::size_t>(sheet.currentRow)).key, "ShowAllBillHead");
    EXPECT_TRUE(window->isSearchHit("ShowAllBillHead"));
    EXPECT_FALSE(window->isSearchHit("SecUnit"));
    window->setSearchText("");
    EXPECT_FALSE(window->isSearchHit("ShowAllBillHead"));
}

// A record found by its value: its row is marked and selected; a row of another record
// is not marked.
TEST_F(SearchTest, ARecordFoundByValueIsMarkedAndSelected)
{
    connection().Execute("UPDATE t_SystemProfile SET FValue='Orvan Zeta' WHERE "
                         "FCategory='General' AND FKey='CompanyName'");
    auto window = open(0);
    window->selectAndClick("sys9");
    window->setSearchText("zeta");
    ASSERT_EQ(window->search().matches().size(), 1u);
    ASSERT_TRUE(window->nextMatch());
    ASSERT_EQ(window->selectedKey(), "sys1");
    const int row = rowShowing(*window, "Orvan Zeta");
    ASSERT_GE(row, 2);
    EXPECT_EQ(window->list.currentRow(), row);
    EXPECT_TRUE(window->isSearchHitRow(row));
    EXPECT_FALSE(window->isSearchHitRow(row == 2 ? 3 : 2));

    // The list does not show the key: a record found by its key marks the row of its value.
    window->setSearchText("companyname");
    EXPECT_TRUE(window->isSearchHitRow(row));

    // The rows follow the node shown.
    window->setSearchText("赠品");
    window->selectAndClick("sys9");
    const int gift = rowShowing(*window, "赠品");
    ASSERT_GE(gift, 2);
    EXPECT_TRUE(window->isSearchHitRow(gift));
    EXPECT_FALSE(window->isSearchHitRow(gift + 1));
}

} // namespace
