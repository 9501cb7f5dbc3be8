#include "billcode/BillSettingsPage.h"

#include <algorithm>

#include "base/Convert.h"
#include "base/Error.h"
#include "base/Text.h"
#include "billcode/ClassBillInfo.h"
#include "component/Translation.h"
#include "db/SqlText.h"
#include "editor/EditorState.h"
#include "editor/RecordEditor.h"
#include "forms/Messages.h"
#include "params/NodeTable.h"
#include "params/ProfileStore.h"

namespace orvan::billcode {

namespace NodeKey = params::NodeKey;
namespace {

// A bill's name in the login's language, from the bill list's language column; the
// stored name when the column has none.
std::string shownBillName(int32_t billId, const std::string &storedName)
{
    std::optional<std::string> name;
    base::tryStep([&] {
        name = params::firstFieldText(
            "SELECT " + component::LanguageColumn("FBillName") +
                " AS FShownName FROM ICBillNo WHERE FBillID=" + db::sqlNumber(billId),
            "FShownName");
    });
    return name && !base::trim(*name).empty() ? *name : storedName;
}

using component::TranslateText;

constexpr int32_t NotApplicable = 2;

bool inClassBillRange(const std::string &billId)
{
    return billId >= "1012000" && billId <= "1012999";
}

} // namespace

bool isManualEntryBill(const std::string &billId)
{
    return billId == "101" || billId == "102";
}

bool isAutoCheckBillAtLoad(const std::string &billId)
{
    return billId == "51" || billId == "52" || billId == "88" || inClassBillRange(billId);
}

bool isAutoCheckBillAtSetUp(const std::string &billId)
{
    return billId == "52" || billId == "88" || billId == "1002519" || inClassBillRange(billId);
}

BillSettingsPage::BillSettingsPage(editor::RecordEditor &editor)
    : m_editor(editor)
{
    setUpBoxes();
    m_rules.onRuleChanged = [this] { m_editor.ruleChanged = true; };
}

void BillSettingsPage::setUpBoxes()
{
    const auto add = [this](const char *name, const char *caption) {
        m_boxes.push_back({.name = name, .caption = TranslateText(caption)});
    };
    add(UseRuleBox, "使用编码规则");
    add(HandEditBox, "允许手工录入");
    add(CheckAfterSaveBox, "单据保存时自动审核");
    add(SingleApprovalBox, "审核人与制单人可为同一人");
    add(SingleUnApprovalBox, "反审核人与审核人为同一人");
    add(EditSelfBillBox, "只能修改、删除、作废本人录入的单据");
}

forms::CheckBox &BillSettingsPage::box(const std::string &name)
{
    const auto found = std::find_if(m_boxes.begin(), m_boxes.end(),
                                    [&name](const auto &box) { return box.name == name; });
    if (found == m_boxes.end())
        throw base::Error(base::ErrorNumber::InvalidProcedureCall, "No check box " + name);
    return *found;
}

std::string BillSettingsPage::billId() const
{
    const auto &values = editor::editorState();
    if (!values.rowKeys.contains(values.currentRow))
        return {};
    return values.rowKeys.at(values.currentRow).text();
}

// The frame for the bill settings: the rule grid and the boxes in place of the property grid, the
// grid initialised and filled, then the set-up locks.
void BillSettingsPage::setUp()
{
    m_editor.caption = TranslateText("修改单据参数设置");
    m_editor.setPropertyGridVisible(false);
    m_editor.tabs().tabEnabled.assign(m_editor.tabs().captions.size(), true);
    m_editor.tabs().current = 0;
    initialiseRuleGrid();
    base::tryStep([this] { m_rules.loadRule(); });
    m_editor.computeNavigationTargets();
    applySetUpLocks();
    m_editor.ruleChanged = false;
}

void BillSettingsPage::initialiseRuleGrid()
{
    base::tryStep([] { billCodeCaches().loadBillOptions(); });
    m_rules.setBill(static_cast<int32_t>(base::parseNumber(billId()).value_or(0)));
    base::tryStep([this] { m_rules.setUp(); });
    LoadBillSettings();
}

void BillSettingsPage::applySetUpLocks()
{
    const auto id = billId();
    if (isManualEntryBill(id))
        box(HandEditBox).enabled = false;
    if (isAutoCheckBillAtSetUp(id))
        box(CheckAfterSaveBox).enabled = false;
    if (box(UseRuleBox).value == 0)
        box(HandEditBox).enabled = false;
}

// After a move the bill's options and rule are shown afresh.
void BillSettingsPage::afterMove()
{
    initialiseRuleGrid();
    useRuleClicked();
    base::tryStep([this] { m_rules.loadRule(); });
    m_editor.ruleChanged = false;
}

void BillSettingsPage::LoadBillSettings()
{
    const auto id = billId();
    const auto *options = billCodeCaches().billOptions(id);
    if (!options)
        return;
    box(UseRuleBox).value = options->FUseBillCodeRule;
    box(HandEditBox).value = options->FCanAlterBillNo;
    box(CheckAfterSaveBox).value = options->FCheckAfterSave;
    const std::pair<const char *, int32_t> threeWay[] = {
        {SingleApprovalBox, options->FSingleApproval},
        {SingleUnApprovalBox, options->FSingleUnApproval},
        {EditSelfBillBox, options->FEditSelfBill},
    };
    for (const auto &[name, value] : threeWay) {
        if (value != NotApplicable)
            box(name).value = value;
        box(name).enabled = value != NotApplicable;
    }
    m_editor.tabs().captions.at(0) =
        component::FormatText("[%1]编码设置", shownBillName(m_rules.billId(), options->FBillName));
    box(HandEditBox).enabled = !isManualEntryBill(id);
    box(CheckAfterSaveBox).enabled = !isAutoCheckBillAtLoad(id);
    bool applies = true;
    base::tryStep([&] { applies = checkAfterSaveApplies(m_rules.billId()); });
    if (!applies)
        box(CheckAfterSaveBox).enabled = false;
}

bool BillSettingsPage::clickPageBox(const std::string &name)
{
    const auto found = std::find_if(m_boxes.begin(), m_boxes.end(),
                                    [&name](const auto &box) { return box.name == name; });
    if (found == m_boxes.end() || !found->enabled || !found->visible)
        return false;
    found->value = found->value == 1 ? 0 : 1;
    if (name == UseRuleBox)
        useRuleClicked();
    m_editor.notifyChanged();
    return true;
}

// Without a rule, manual entry is ticked; it stays changeable except for the two
// manual-entry bills, where it is cleared and locked.
void BillSettingsPage::useRuleClicked()
{
    auto &handEdit = box(HandEditBox);
    const bool useRule = box(UseRuleBox).value != 0;
    if (!useRule) {
        handEdit.value = 1;
        handEdit.enabled = false;
    } else {
        handEdit.enabled = true;
    }
    const bool manual = isManualEntryBill(billId());
    if (manual) {
        handEdit.enabled = false;
        handEdit.value = 0;
    }
    if (!useRule && !manual)
        handEdit.enabled = true;
}

bool BillSettingsPage::checksPass() const
{
    const bool useRule = m_boxes.front().value != 0;
    return m_rules.checkTotalLength(useRule) && m_rules.checkRows(useRule);
}

int32_t BillSettingsPage::boxValueOrNotApplicable(const char *name)
{
    const auto &option = box(name);
    return option.enabled ? option.value : NotApplicable;
}

bool BillSettingsPage::SaveBillSettings()
{
    BillOptions options;
    options.FCanAlterBillNo = box(HandEditBox).value;
    options.FCheckAfterSave = box(CheckAfterSaveBox).value;
    options.FUseBillCodeRule = box(UseRuleBox).value;
    options.FSingleApproval = boxValueOrNotApplicable(SingleApprovalBox);
    options.FSingleUnApproval = boxValueOrNotApplicable(SingleUnApprovalBox);
    options.FEditSelfBill = boxValueOrNotApplicable(EditSelfBillBox);
    return m_rules.save(options);
}

// A rule the component did not store keeps the user's edits on the page (and the editor
// open when the save came from its prompt).
void BillSettingsPage::save()
{
    if (!checksPass() || !saveOrTell())
        return;
    m_editor.ruleChanged = false;
    m_editor.initEditor();
}

void BillSettingsPage::saveFromPrompt(bool &answer)
{
    answer = checksPass() && saveOrTell();
    if (answer)
        m_editor.ruleChanged = false;
}

bool BillSettingsPage::saveOrTell()
{
    if (SaveBillSettings())
        return true;
    std::string text = TranslateText("编码规则没有保存。");
    if (!m_rules.saveFailure().empty())
        text += "\n" + m_rules.saveFailure();
    forms::showMessage(component::messageTitle(), text, forms::Buttons::Ok, forms::Icon::Warning);
    return false;
}

void registerBillSettingsPage()
{
    editor::RecordEditor::registerPage(
        params::EditorPageKind::BillSettings,
        [](editor::RecordEditor &editor) { return std::make_unique<BillSettingsPage>(editor); });
}

} // namespace orvan::billcode
