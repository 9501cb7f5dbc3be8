#include "suite/SavePosData.h"

#include "base/DateTime.h"
#include "base/Error.h"
#include "base/Text.h"
#include "db/SqlText.h"
#include "suite/CostAccount.h"

namespace orvan::suite {
namespace {

// A filter is spliced into the statements as it stands: it must be a single WHERE
// clause, which cannot end one statement and start another.
void requireWhereClause(const std::string &filter)
{
    const auto trimmed = base::trim(filter);
    const bool oneClause = base::startsWithNoCase(trimmed, "Where ") &&
                           trimmed.find_first_of(";\r\n") == std::string::npos;
    if (!oneClause)
        throw base::Error(base::ErrorNumber::InvalidProcedureCall,
                          "The bill filter must be one WHERE clause: " + filter,
                          "BillData.SavePosData");
}

} // namespace

void SavePosData::PutinData(const std::string &props, int32_t, const std::string &filter, int32_t)
{
    requireWhereClause(filter);
    CostAccount account(props);
    const auto saveTime = db::sqlQuote(base::dateToText(base::now()));
    account.execute("DELETE ICBillPosData " + filter +
                    "\r\n"
                    "INSERT INTO ICBillPosData(FInterID,FSaveTime,FBillNo,FTranType,FDate,FStatus,"
                    "FVchInterID,FAmount) SELECT FInterID," +
                    saveTime + ",FBillNo,FTranType,FDate,FStatus,FVchInterID,FAmount FROM " +
                    "ICStockBill " + filter);
}

} // namespace orvan::suite
