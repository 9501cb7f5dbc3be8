#include "params/DetailSql.h"

#include "component/LoginContext.h"
#include "component/Translation.h"
#include "db/SqlText.h"
#include "params/NodeTable.h"
#include "params/ProfileStore.h"

namespace orvan::params {
namespace {

using component::LanguageColumn;
using component::TranslateText;
using db::sqlQuote;

const std::string NoRecordSql =
    std::string("select Fkey,Fvalue from t_systemprofile") + " where Fkey in ('NoRecord')";

const std::string CompanyKeys =
    std::string("'CompanyAddress','CompanyAddressEn',") +
    "'CompanyName','CompanyNameEn', 'CompanyContact', "
    "'CompanyPhone', 'CompanyFax', 'CompanyPostalCode', " +
    "'CompanyEmail', 'CompanyWebsite', 'CompanyBankAccout','CompanyHSCode'";

const std::string PeriodKeys = "'StartYear','StartPeriod','CurrentYear','CurrentPeriod'";

bool isCostSystem(const std::string &systemId)
{
    return systemId == "0004" || systemId == "0005" || systemId == "0006";
}

// Company rows with the tax and bank rows, united with the four "IC" rows.
std::string companyWithIcRowsSql()
{
    return std::string("select FValue,FKey,(case FKey when 'CompanyYHAccount' then 0.08  ") + CrLf +
           "when 'CompanyTax' then 0.13 else Fsort end) as FSort " + CrLf +
           "from t_systemprofile where FKey IN(" + CompanyKeys + "," +
           "'CompanyTax', 'CompanyYHAccount')  And FCategory='General' " + CrLf + " Union " + CrLf +
           " select Fvalue,Fkey,(CASE FKey WHEN 'FBrNo' THEN 1.01 WHEN 'SInvoiceDecimal' THEN "
           "1.02 WHEN 'PrecisionOfDiscountRate' THEN 1.03 WHEN 'SystemName' THEN 1.04 END) AS "
           "FSort from t_systemprofile " +
           CrLf +
           " where Fkey in ('FBrNo','SystemName','SInvoiceDecimal','PrecisionOfDiscountRate') "
           "And FCategory='IC' " +
           CrLf + " ORDER BY  FSort ";
}

std::string companyRowsSql()
{
    return "select FValue,FKey,FSort from t_systemprofile where FKey IN(" + CompanyKeys +
           ") And FCategory='General' " + CrLf + "ORDER BY  FSort ";
}

std::string yesNoColumn(const char *column, const std::string &tail)
{
    return std::string("( case ") + column + " when 1 then " + sqlQuote(TranslateText("是")) + tail;
}

std::string billSettingsSql()
{
    const auto no = sqlQuote(TranslateText("否"));
    return "SELECT " + LanguageColumn("FBillName") + " AS FBillName,FDesc," +
           yesNoColumn("FCanAlterBillNo", " else " + no + " end) FCanAlterBillNo,") +
           yesNoColumn("FCheckAfterSave", " else " + no + " end) FCheckAfterSave,") +
           yesNoColumn("FUseBillCodeRule", " else " + no + " end) FUseBillCodeRule,") +
           yesNoColumn("FSingleApproval",
                       " when 0 then " + no + "  else ''  end) FSingleApproval,") +
           yesNoColumn("FSingleUnApproval",
                       " when 0 then " + no + " else '' end) FSingleUnApproval,") +
           yesNoColumn("FEditSelfBill", " when 0 then " + no + "  else '' end) FEditSelfBill") +
           " FROM ICBillNo where FBillID IN (SELECT ABS(FID) FROM ICClassType WHERE FControl&" +
           db::sqlNumber(32) + ">0) Order by FPos";
}

std::string printControlSql()
{
    std::string sql;
    sql.reserve(192);
    sql.append("SELECT FID,")
        .append(LanguageColumn("FName"))
        .append(" AS FName,FPrintControlOrNo,FPrintMaxCount,(case FPrintAfterCheck when 1 then ")
        .append(sqlQuote(TranslateText("是")))
        .append(" when 0 then ")
        .append(sqlQuote(TranslateText("否")))
        .append(" else '' end) FPrintAfterCheck FROM ICPrintMaxCount Order by Fpos");
    return sql;
}

std::string optionCategorySql(const char *category)
{
    return std::string("SELECT Fvalue,FKey ") + CrLf + "  FROM t_SystemProfile " + CrLf +
           " WHERE FCategory = '" + category + "' " + CrLf;
}

std::string systemNodeSql(int32_t tag, const DetailContext &context)
{
    switch (tag) {
    case 1:
    case 11:
        return isCostSystem(context.systemId) ? companyRowsSql() : companyWithIcRowsSql();
    case 2:
    case 12:
        return billSettingsSql();
    case 4:
    case 14:
        return printControlSql();
    case 9:
        return std::string("SELECT t1.FID,t1.FName,t1.FNumber,t1.FNote,t1.FAcctID,t2.FNumber as "
                           "FAcctNumber FROM ICBillType t1 ") +
               " left join t_Account t2 ON t1.FAcctID=t2.FAccountID Order by t1.FID";
    case 17:
        if (component::isLicensedEdition(context.edition))
            return {};
        return "SELECT FValue,FKey from t_systemprofile where FCategory='Retail'";
    case 25:
        return optionCategorySql("Imp"); // the profile categories of import and export
    case 26:
        return optionCategorySql("Exp");
    default:
        return {};
    }
}

// The period category of a cost system when periods are counted (method 0).
std::string costPeriodCategory(const DetailContext &context)
{
    return context.systemId == "0004" ? "'CB'" : sqlQuote(context.helpSystem);
}

std::string currentPeriodByCountSql(const DetailContext &context)
{
    std::string sql = std::string("select Fkey,Fvalue from t_systemprofile where Fkey in "
                                  "('PeriodCount') And FCategory='GL' ") +
                      " Union " + " select Fkey,Fvalue from t_systemprofile ";
    if (!isCostSystem(context.systemId))
        return sql + " where Fkey in (" + PeriodKeys +
               ",'DisCivilExportSale','BillStatus') And FCategory='IC' Order by FKey";
    return sql + " where Fkey in (" + PeriodKeys +
           ") And FCategory=" + costPeriodCategory(context) + " Order by FKey";
}

std::string currentPeriodByMonthSql(const DetailContext &context)
{
    const auto periods =
        "select Fkey,Fvalue from t_systemprofile where Fkey in (" + PeriodKeys + ")";
    std::string sql;
    if (context.systemId == "0004")
        sql = periods + " And FCategory='CB'";
    else if (context.systemId == "0005")
        sql = periods + " And FCategory='OPCost'";
    else if (context.systemId == "0006")
        sql = periods + " And FCategory='StdCost'";
    else
        sql = "select Fkey,Fvalue from t_systemprofile where Fkey in (" + PeriodKeys +
              ",'DisCivilExportSale','BillStatus') And FCategory='IC' ";
    return sql + " Order by FKey";
}

std::string accountingNodeSql(int32_t tag, const DetailContext &context)
{
    switch (tag) {
    case 1:
    case 21:
        return std::string("select Fkey,Fvalue from t_systemprofile") + " where Fkey in ('FBWB'," +
               "'AuditChoice','UPSTOCKWHENSAVE')" + " AND FCateGory='IC' " + " Order by Fkey";
    case 2:
    case 22:
    case 202:
    case 2202:
        return NoRecordSql;
    case 3:
    case 23:
        return "Select FName From t_Vouchergroup Order By FGroupID";
    case 201:
    case 2201:
        return context.periodDefineMethod == 0 ? currentPeriodByCountSql(context)
                                               : currentPeriodByMonthSql(context);
    default:
        return {};
    }
}

} // namespace

std::string buildDetailSql(int32_t kind, int32_t tag, const DetailContext &context)
{
    switch (kind) {
    case SystemNodes:
        return systemNodeSql(tag, context);
    case AccountingNodes:
        return accountingNodeSql(tag, context);
    case PlanningNodes:
        if (tag == 1 || tag == 31)
            return "select FKey,FValue from t_systemprofile where "
                   "fkey in('DaysPerTimeZone','DemandTimeLimit','PlanStartDate','PlanTimeLimit',"
                   "'TimeZoneCount') Order By FKey";
        return {};
    case GroupNodes:
        return tag >= 0 && tag <= 3 ? NoRecordSql : std::string();
    default:
        return {};
    }
}

} // namespace orvan::params
