#include "suite/BillCodeRuleStore.h"

#include "base/Error.h"
#include "db/SqlText.h"
#include "suite/AppConnection.h"

namespace orvan::suite {
namespace {

constexpr int32_t MaxRuleLength = 255;

bool isKnownKind(int32_t kind)
{
    return kind == 1 || kind == 2 || kind == 3 || kind == 9 || kind == 10 || kind == 100;
}

bool isOptionValue(int32_t value, int32_t highest)
{
    return value >= 0 && value <= highest;
}

bool hasValidOptions(const component::BillCodeRuleRecord &record)
{
    return isOptionValue(record.FCanAlterBillNo, 1) && isOptionValue(record.FCheckAfterSave, 1) &&
           isOptionValue(record.FUseBillCodeRule, 1) && isOptionValue(record.FSingleApproval, 2) &&
           isOptionValue(record.FSingleUnApproval, 2) && isOptionValue(record.FEditSelfBill, 2);
}

bool isValidRow(const component::SavedRuleRow &row, int32_t expectedIndex)
{
    return row.FClassIndex == expectedIndex && isKnownKind(row.FProjectID) &&
           row.FFormatIndex >= 0 && row.FLength >= 0 && row.FLength <= MaxRuleLength &&
           (row.FIsBy == 0 || row.FIsBy == 1);
}

std::string insertRowStatement(int32_t billId, const component::SavedRuleRow &row)
{
    return "INSERT INTO t_BillCodeRule (FBillID,FClassIndex,FProjectID,FFormatIndex,FLength,"
           "FAddChar,FReChar,FProjectVal,FIsBy) VALUES (" +
           db::sqlNumber(billId) + "," + db::sqlNumber(row.FClassIndex) + "," +
           db::sqlNumber(row.FProjectID) + "," + db::sqlNumber(row.FFormatIndex) + "," +
           db::sqlNumber(row.FLength) + "," + db::sqlQuote(row.FAddChar) + "," +
           db::sqlQuote(row.FReChar) + "," + db::sqlQuote(row.FProjectVal) + "," +
           db::sqlNumber(row.FIsBy) + ")";
}

std::string updateBillStatement(const component::BillCodeRuleRecord &record)
{
    return "UPDATE ICBillNo SET FDesc=" + db::sqlQuote(record.FBillFormat) +
           ",FBillTypeID=" + db::sqlNumber(record.FBillTypeID) +
           ",FCanAlterBillNo=" + db::sqlNumber(record.FCanAlterBillNo) +
           ",FCheckAfterSave=" + db::sqlNumber(record.FCheckAfterSave) +
           ",FUseBillCodeRule=" + db::sqlNumber(record.FUseBillCodeRule) +
           ",FSingleApproval=" + db::sqlNumber(record.FSingleApproval) +
           ",FSingleUnApproval=" + db::sqlNumber(record.FSingleUnApproval) +
           ",FEditSelfBill=" + db::sqlNumber(record.FEditSelfBill) +
           " WHERE FBillID=" + db::sqlNumber(record.FBillID);
}

bool billExists(AppConnection &connection, int32_t billId)
{
    auto rows =
        connection.Execute("SELECT FBillID FROM ICBillNo WHERE FBillID=" + db::sqlNumber(billId));
    return rows && !rows->isEOF();
}

} // namespace

db::RecordsetPtr BillCodeRuleStore::GetCodeRuleByBill(const std::string &connectString,
                                                      int32_t billId)
{
    // The caption of a level: the item's name, the check item's name (9, 10) or the
    // caption of the bill field (100). The format option of a check item is one of the
    // base-data formats (project 9).
    const std::string bill = db::sqlNumber(billId);
    AppConnection connection(connectString);
    return connection.Execute(
        "SELECT r.FClassIndex,ISNULL(p.FName,ISNULL((SELECT MIN(c.FName) FROM t_BillCheckItem c "
        "WHERE c.FID=r.FBillID AND c.FField=r.FProjectVal),ISNULL((SELECT MIN(f.FCaption_CHS) "
        "FROM ICClassTableInfo f WHERE f.FClassTypeID=r.FBillID AND f.FPage=1 AND "
        "f.FKey=r.FProjectVal),''))) AS FProjName,r.FProjectID,ISNULL(o.FOption,'') AS FOption,"
        "r.FProjectVal,r.FLength,r.FAddChar,r.FReChar,r.FFormatIndex,r.FIsBy,"
        "ISNULL((SELECT MIN(c.FItemID) FROM t_BillCheckItem c WHERE c.FID=r.FBillID AND "
        "c.FField=r.FProjectVal),0) AS FItemID FROM t_BillCodeRule r "
        "LEFT JOIN t_BillCodeProject p ON p.FProjectID=r.FProjectID AND r.FProjectID<4 "
        "LEFT JOIN t_BillCodeOption o ON o.FID=r.FFormatIndex AND "
        "((r.FProjectID=2 AND o.FProjectID=2) OR (r.FProjectID IN (9,10) AND o.FProjectID=9)) "
        "WHERE r.FBillID=" +
        bill + " ORDER BY r.FClassIndex");
}

db::RecordsetPtr BillCodeRuleStore::GetOptionByBill(const std::string &connectString)
{
    AppConnection connection(connectString);
    return connection.Execute("SELECT FBillID,FBillName,FUseBillCodeRule,FCanAlterBillNo,"
                              "FCheckAfterSave,FSingleApproval,FSingleUnApproval,FEditSelfBill "
                              "FROM ICBillNo ORDER BY FPos,FBillID");
}

db::RecordsetPtr BillCodeRuleStore::GetOptionByProj(const std::string &connectString)
{
    AppConnection connection(connectString);
    return connection.Execute(
        "SELECT FProjectID,FID,FOption FROM t_BillCodeOption ORDER BY FProjectID,FID");
}

db::RecordsetPtr BillCodeRuleStore::GetCheckProj(const std::string &connectString)
{
    AppConnection connection(connectString);
    return connection.Execute("SELECT FID,FBillTypeID,FItemID,FName,FTable,FField "
                              "FROM t_BillCheckItem ORDER BY FID,FIndex");
}

bool BillCodeRuleStore::SaveBillCodeRule(const std::string &connectString,
                                         component::BillCodeRuleRecord &record)
{
    if (!isValidRecord(record))
        return false;
    try {
        AppConnection connection(connectString);
        if (!billExists(connection, record.FBillID))
            return false;
        connection.Execute(saveBatch(record));
        return true;
    } catch (const base::Error &error) {
        if (error.isAccountUnavailable())
            throw; // the caller tells the user why
        return false;
    }
}

std::string BillCodeRuleStore::saveBatch(const component::BillCodeRuleRecord &record)
{
    std::string batch = "DELETE t_BillCodeRule WHERE FBillID=" + db::sqlNumber(record.FBillID);
    for (const auto &row : record.BillCodeRule)
        batch += "\r\n" + insertRowStatement(record.FBillID, row);
    batch += "\r\n" + updateBillStatement(record);
    return batch;
}

bool BillCodeRuleStore::isValidRecord(const component::BillCodeRuleRecord &record)
{
    if (record.FBillID <= 0 || !hasValidOptions(record))
        return false;
    int32_t total = 0;
    int32_t expectedIndex = 1;
    for (const auto &row : record.BillCodeRule) {
        if (!isValidRow(row, expectedIndex++))
            return false;
        total += row.FLength;
    }
    return total <= MaxRuleLength;
}

} // namespace orvan::suite
