#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/Object.h"
#include "db/Recordset.h"

// Typed interfaces of the bill code rule component and the class-information component.
// Both take the account's connection string ("Provider=SQLite;Data Source=PATH") first.
// A connection string that cannot be opened, or a failing statement, raises base::Error
// (SaveBillCodeRule answers false instead).
namespace orvan::component {

namespace ProgId {
inline constexpr const char *BillCodeRule = "OrvanMBillCodeRule.clsBillCodeRule";
inline constexpr const char *ClassInfo = "OrvanMClass.ClassInfo";
} // namespace ProgId

// One stored level of a bill's numbering rule as SaveBillCodeRule receives it.
struct SavedRuleRow
{
    int32_t FClassIndex = 0; // level, 1, 2, ... without gaps
    int32_t FProjectID = 0;  // item kind: 1 text, 2 date, 3 serial, 9/10 check item, 100 field
    int32_t FFormatIndex = 0;
    int32_t FLength = 0;
    std::string FAddChar;
    std::string FReChar;
    std::string FProjectVal;
    int32_t FIsBy = 0; // 1: the level is the serial-number basis
};

// The rule of one bill with its picture, bill type and the six numbering options.
// Option values are 0 or 1; the last three may be 2 (the option does not apply).
struct BillCodeRuleRecord
{
    std::vector<SavedRuleRow> BillCodeRule;
    std::string FBillFormat;
    int32_t FBillTypeID = 0;
    int32_t FBillID = 0;
    int32_t FCanAlterBillNo = 0;
    int32_t FCheckAfterSave = 0;
    int32_t FUseBillCodeRule = 0;
    int32_t FSingleApproval = 0;
    int32_t FSingleUnApproval = 0;
    int32_t FEditSelfBill = 0;
};

// "OrvanMBillCodeRule.clsBillCodeRule": the numbering rules and options of the bills.
class BillCodeRuleComponent : public base::Object
{
public:
    // The levels of a bill in level order: FProjName, FProjectID, FOption, FProjectVal,
    // FLength, FAddChar, FReChar, FFormatIndex, FIsBy, FItemID.
    virtual db::RecordsetPtr GetCodeRuleByBill(const std::string &connectString,
                                               int32_t billId) = 0;
    // One row per bill: FBillID, FBillName and the six options.
    virtual db::RecordsetPtr GetOptionByBill(const std::string &connectString) = 0;
    // Format options: FProjectID, FID, FOption; the rows of one project adjacent.
    virtual db::RecordsetPtr GetOptionByProj(const std::string &connectString) = 0;
    // Check items: FID (bill id), FBillTypeID, FItemID, FName, FTable, FField; the rows of
    // one bill adjacent and in their order.
    virtual db::RecordsetPtr GetCheckProj(const std::string &connectString) = 0;
    // Writes the levels, the picture, the bill type and the options in one transaction.
    // False, with nothing written, when the record is invalid or a statement fails; an
    // account that is unavailable (disk, lock, read-only) raises its error.
    virtual bool SaveBillCodeRule(const std::string &connectString, BillCodeRuleRecord &record) = 0;
};

// "OrvanMClass.ClassInfo": runs a query of the bill classes' metadata.
class ClassInfoComponent : public base::Object
{
public:
    // The rows of the query (null for a statement without rows).
    virtual db::RecordsetPtr GetData(const std::string &connectString, const std::string &sql) = 0;
};

} // namespace orvan::component
