#include "BillCodeFixture.h"

#include "billcode/BillSettingsPage.h"
#include "db/SqliteDatabase.h"
#include "editor/EditorState.h"
#include "editor/RecordEditor.h"
#include "params/NodeTable.h"
#include "suite/BillCodeRuleStore.h"

using namespace orvan;
using billcode::BillSettingsPage;

namespace {

class BillSettingsPageTest : public test::BillCodeFixture
{
protected:
    void SetUp() override
    {
        BillCodeFixture::SetUp();
        billcode::registerBillSettingsPage();
        component::processState().currentNodeKey = "sys2";
    }

    // Opens the editor on one bill of a list of bills.
    editor::RecordEditor &open(std::vector<int> bills, int billId)
    {
        auto &values = editor::editorState();
        const auto at = std::find(bills.begin(), bills.end(), billId) - bills.begin();
        values.rowKeys.assign(2, std::vector<base::Variant>(bills.begin(), bills.end()));
        values.currentRow = 2 + static_cast<int>(at);
        m_editor = std::make_unique<editor::RecordEditor>();
        m_editor->load();
        return *m_editor;
    }

    BillSettingsPage &page() { return dynamic_cast<BillSettingsPage &>(*m_editor->page()); }
    forms::CheckBox &box(const char *name) { return page().box(name); }

    std::string stored(const std::string &field, int billId)
    {
        db::SqliteDatabase account(accountPath);
        return account
            .execute("SELECT " + field + " FROM ICBillNo WHERE FBillID=" + std::to_string(billId))
            ->Fields(0)
            .Value()
            .text();
    }

    std::unique_ptr<editor::RecordEditor> m_editor;
};

TEST_F(BillSettingsPageTest, ShowsTheBillsOptionsAboveItsRule)
{
    auto &editor = open({1, 2}, 1);
    EXPECT_FALSE(editor.propertyGridVisible());
    EXPECT_EQ(editor.tabs().captions[0], "[外购入库单]编码设置");
    EXPECT_EQ(box(BillSettingsPage::UseRuleBox).value, 1);
    EXPECT_TRUE(box(BillSettingsPage::HandEditBox).enabled);
    EXPECT_EQ(page().ruleGrid().dumpRules().size(), 3u);
    EXPECT_FALSE(editor.ruleChanged);
}

TEST_F(BillSettingsPageTest, ManualEntryBillsNeverOfferManualEntry)
{
    open({101, 102}, 101);
    EXPECT_FALSE(box(BillSettingsPage::HandEditBox).enabled);
    page().clickPageBox(BillSettingsPage::UseRuleBox);
    EXPECT_FALSE(box(BillSettingsPage::HandEditBox).enabled);
    EXPECT_EQ(box(BillSettingsPage::HandEditBox).value, 0);
}

TEST_F(BillSettingsPageTest, ClearingTheRuleTicksManualEntryAndLeavesItChangeable)
{
    open({1, 2}, 2);
    auto &handEdit = box(BillSettingsPage::HandEditBox);
    page().clickPageBox(BillSettingsPage::HandEditBox);
    EXPECT_EQ(handEdit.value, 0);
    page().clickPageBox(BillSettingsPage::UseRuleBox);
    EXPECT_EQ(box(BillSettingsPage::UseRuleBox).value, 0);
    EXPECT_EQ(handEdit.value, 1);
    EXPECT_TRUE(handEdit.enabled);
}

TEST_F(BillSettingsPageTest, AutoCheckIsLockedByBillGroup)
{
    open({51, 1002519, 1012001}, 51);
    const auto autoCheck = [this] { return box(BillSettingsPage::CheckAfterSaveBox).enabled; };
    EXPECT_FALSE(autoCheck()); // locked as the bill is loaded
    m_editor->press(editor::RecordEditor::NextKey);
    EXPECT_EQ(page().billId(), "1002519");
    EXPECT_TRUE(autoCheck()); // only the set-up locks 1002519
    m_editor->press(editor::RecordEditor::NextKey);
    EXPECT_FALSE(autoCheck());

    open({51, 1002519}, 1002519);
    EXPECT_FALSE(autoCheck());
}

TEST_F(BillSettingsPageTest, SaveStoresTheOptionsAndKeepsThoseThatDoNotApply)
{
    // Bill 40 has no "edit own bills only" option (stored as 2).
    open({40, 41}, 40);
    EXPECT_FALSE(box(BillSettingsPage::EditSelfBillBox).enabled);
    page().clickPageBox(BillSettingsPage::SingleApprovalBox);
    m_editor->press(editor::RecordEditor::SaveKey);
    EXPECT_EQ(stored("FEditSelfBill", 40), "2");
    EXPECT_EQ(stored("FSingleApproval", 40), "0");
    EXPECT_EQ(box(BillSettingsPage::SingleApprovalBox).value, 0); // reloaded from the cache
}

TEST_F(BillSettingsPageTest, RuleEditsAreSavedFromThePromptBeforeMoving)
{
    auto &editor = open({1, 2}, 1);
    auto &rules = page().ruleGrid();
    ASSERT_TRUE(rules.enterCell(2, 1));
    ASSERT_TRUE(rules.typeText(2, 1, "WX"));
    rules.leaveCell(2, 1);
    EXPECT_TRUE(editor.ruleChanged);
    messages->queueAnswer(forms::Answer::Yes);
    editor.press(editor::RecordEditor::NextKey);
    EXPECT_EQ(page().billId(), "2");
    EXPECT_EQ(stored("FDesc", 1), "WX+日期+0001");
    EXPECT_FALSE(editor.ruleChanged);
}

// A rule component that stores nothing.
class RefusingRuleStore : public suite::BillCodeRuleStore
{
public:
    bool SaveBillCodeRule(const std::string &, component::BillCodeRuleRecord &) override
    {
        return false;
    }
};

TEST_F(BillSettingsPageTest, ARuleThatWasNotStoredKeepsTheEditsAndSaysSo)
{
    auto &editor = open({1, 2}, 1);
    component::ComponentRegistry::instance().add(
        component::ProgId::BillCodeRule, [] { return std::make_shared<RefusingRuleStore>(); });
    auto &rules = page().ruleGrid();
    ASSERT_TRUE(rules.enterCell(2, 1));
    ASSERT_TRUE(rules.typeText(2, 1, "WX"));
    rules.leaveCell(2, 1);
    editor.press(editor::RecordEditor::SaveKey);
    EXPECT_EQ(lastMessage(), "编码规则没有保存。");
    EXPECT_TRUE(editor.ruleChanged);
    EXPECT_EQ(rules.grid().text(2, 1), "WX");

    messages->queueAnswer(forms::Answer::Yes);
    editor.requestClose();
    EXPECT_FALSE(editor.closeRequested());
}

} // namespace

TEST(EditorPages, EveryNodeWithAnEditorPageHasOne)
{
    billcode::registerBillSettingsPage();
    for (const auto &node : params::allNodes())
        EXPECT_EQ(editor::RecordEditor::hasPage(node.key),
                  node.editorPage != params::EditorPageKind::None)
            << node.key;
}
