#include "billcode/EditorRuleRow.h"

#include "base/Error.h"
#include "billcode/RecordFields.h"
#include "billcode/RuleColumns.h"
#include "component/BillCodeComponents.h"
#include "component/ComponentRegistry.h"
#include "component/ProcessState.h"
#include "component/Translation.h"
#include "db/Recordset.h"

namespace orvan::billcode {
EditorRuleRow editorRuleRowOf(const db::Recordset &rows, int32_t level)
{
    EditorRuleRow row;
    row.EClass = level;
    row.EProject = textField(rows, "FProjName");
    row.EProjectID = numberField(rows, "FProjectID");
    if (row.EProjectID >= ItemKind::FirstCheckItem) {
        row.EFormat = component::TranslateText(textField(rows, "FOption"));
        row.EFieldName = textField(rows, "FProjectVal");
    } else {
        row.EFormat = textField(rows, "FProjectVal");
    }
    row.ELength = numberField(rows, "FLength");
    row.EAddChar = textField(rows, "FAddChar");
    row.EReplaceChar = textField(rows, "FReChar");
    row.EFormatID = numberField(rows, "FFormatIndex");
    row.FIsBy = numberField(rows, "FIsBy");
    row.FItemID = numberField(rows, "FItemID");
    return row;
}

std::vector<EditorRuleRow> readBillCodeRule(int32_t billId)
{
    std::vector<EditorRuleRow> rule;
    db::RecordsetPtr rows;
    try {
        auto component =
            component::ComponentRegistry::instance().createAs<component::BillCodeRuleComponent>(
                component::ProgId::BillCodeRule);
        rows = component->GetCodeRuleByBill(component::processState().connectString, billId);
    } catch (const base::Error &) {
        return rule;
    }
    for (; rows && !rows->isEOF(); rows->MoveNext())
        rule.push_back(editorRuleRowOf(*rows, static_cast<int32_t>(rule.size()) + 1));
    return rule;
}

} // namespace orvan::billcode
