#pragma once

#include <string>
#include <vector>

#include "billcode/BillCodeRuleGrid.h"
#include "editor/EditorPage.h"
#include "forms/Controls.h"

namespace orvan::editor {
class RecordEditor;
}

namespace orvan::billcode {

// The record editor's page for the bill-settings list: the numbering options of
// one bill as six check boxes above its numbering-rule grid. The options come from the
// bill-options cache and go back, with the rule, through the rule component.
class BillSettingsPage : public editor::EditorPage
{
public:
    static constexpr const char *UseRuleBox = "chkUseRule";
    static constexpr const char *HandEditBox = "chkHandEdit";
    static constexpr const char *CheckAfterSaveBox = "chkCheckAfterSave";
    static constexpr const char *SingleApprovalBox = "ChkSingleApproval";
    static constexpr const char *SingleUnApprovalBox = "ChkSingleUnApproval";
    static constexpr const char *EditSelfBillBox = "ChKEditSelfBill";

    explicit BillSettingsPage(editor::RecordEditor &editor);

    void setUp() override;
    bool loadsOnOpen() const override { return false; }
    void load(int row) override { (void)row; }
    void afterMove() override;
    void save() override;
    void saveFromPrompt(bool &answer) override;

    const std::vector<forms::CheckBox> &pageBoxes() const override { return m_boxes; }
    bool clickPageBox(const std::string &name) override;

    // Shows the options of the current bill.
    void LoadBillSettings();
    // Stores the rule and the options; false when the component refused them.
    bool SaveBillSettings();

    BillCodeRuleGrid &ruleGrid() { return m_rules; }
    forms::CheckBox &box(const std::string &name);
    // The current bill's id as the row-key list holds it, as text.
    std::string billId() const;

private:
    void setUpBoxes();
    void initialiseRuleGrid();
    void applySetUpLocks();
    void useRuleClicked();
    bool checksPass() const;
    bool saveOrTell();
    int32_t boxValueOrNotApplicable(const char *name);

    editor::RecordEditor &m_editor;
    BillCodeRuleGrid m_rules;
    std::vector<forms::CheckBox> m_boxes;
};

// Makes the record editor use this page for the bill settings.
void registerBillSettingsPage();

// Bill-id groups, compared as text.
bool isManualEntryBill(const std::string &billId);
bool isAutoCheckBillAtLoad(const std::string &billId);
bool isAutoCheckBillAtSetUp(const std::string &billId);

} // namespace orvan::billcode
