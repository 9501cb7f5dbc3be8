#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvan::db {
class Recordset;
}

namespace orvan::billcode {

// One level of a stored rule as the rule grid shows it.
struct EditorRuleRow
{
    int32_t EClass = 0; // level, from 1
    std::string EProject;
    std::string EFormat;    // kinds 4 and up: the translated format option; else the value
    std::string EFieldName; // kinds 4 and up: the stored value (field name or key); else ""
    int32_t ELength = 0;
    std::string EAddChar;
    std::string EReplaceChar;
    int32_t EProjectID = 0;
    int32_t EFormatID = 0;
    int32_t FIsBy = 0;
    int32_t FItemID = 0;
};

// The editor row of the recordset's current stored level.
EditorRuleRow editorRuleRowOf(const db::Recordset &rows, int32_t level);

// The rule of a bill from the rule component, in level order; empty when the bill has
// no rule or the component fails.
std::vector<EditorRuleRow> readBillCodeRule(int32_t billId);

} // namespace orvan::billcode
