#include "mainwindow/RecordKeys.h"

#include <utility>

#include "base/Error.h"
#include "base/Text.h"
#include "component/ProcessState.h"
#include "component/Translation.h"
#include "db/SqlText.h"
#include "params/NodeTable.h"
#include "params/ParameterTree.h"
#include "params/ProfileStore.h"

namespace orvan::mainwindow {

namespace NodeKey = params::NodeKey;
namespace {

using component::LanguageColumn;
using component::TranslateText;
using db::sqlQuote;

const char *const PlanningKeys = "select FValue,FKey from t_systemprofile where "
                                 "fkey in('PlanStartDate','DaysPerTimeZone','DemandTimeLimit',"
                                 "'TimeZoneCount','PlanTimeLimit') Order By FKey";

bool isCostSystem()
{
    const auto &systemId = component::processState().systemId;
    return systemId == "0004" || systemId == "0005" || systemId == "0006";
}

std::string companySql()
{
    std::string sql;
    params::ParameterTree().GetDetailSql(0, 1, sql);
    return sql;
}

const char *keyFieldOf(const std::string &key)
{
    const auto *node = params::findNode(key);
    return node ? node->recordKeyField : "FKey";
}

void notePlanningLimit(RecordKeyList &list, const std::string &key, const base::Variant &value)
{
    int32_t number = 0;
    base::tryStep([&] { number = value.toLong(); });
    if (base::equalsNoCase(key, "DemandTimeLimit"))
        list.demandTimeLimit = number;
    else if (base::equalsNoCase(key, "PlanTimeLimit"))
        list.planTimeLimit = number;
    else if (base::equalsNoCase(key, "TimeZoneCount"))
        list.timeZoneCount = number;
}

void readKeys(RecordKeyList &list, const std::string &key, db::Recordset &rows)
{
    if (rows.isEOF())
        return;
    const auto &state = component::processState();
    const auto keyColumn = rows.columnIndex(keyFieldOf(key));
    list.keys.reserve(static_cast<size_t>(rows.RecordCount()), 4); // mostly small ids
    const bool planning = key == NodeKey::PlanningParameters;
    const bool selectsBill =
        key == NodeKey::BillSettings && state.sysClass == 0 && state.classTypeId != 0;
    if (!planning && !selectsBill) {
        rows.appendColumn(keyColumn, list.keys);
        return;
    }
    for (; !rows.isEOF(); rows.MoveNext()) {
        const auto value = rows.valueAt(keyColumn);
        list.keys.push_back(value);
        if (planning)
            notePlanningLimit(list, value.text(), rows.Fields("FValue").Value());
        if (selectsBill && !value.isNull() && value.toLong() == state.classTypeId)
            list.currentRowIndex = list.upperBound();
    }
}

std::string companyRefreshSql()
{
    if (isCostSystem())
        return companySql();
    // The "IC" rows keep their own sort order here.
    auto sql = companySql();
    const std::string icPart =
        " select Fvalue,Fkey,(CASE FKey WHEN 'FBrNo' THEN 1.01 WHEN "
        "'SInvoiceDecimal' THEN 1.02 WHEN 'PrecisionOfDiscountRate' THEN "
        "1.03 WHEN 'SystemName' THEN 1.04 END) AS FSort from t_systemprofile ";
    const auto at = sql.find(icPart);
    if (at != std::string::npos)
        sql.replace(at, icPart.size(), " select Fvalue,Fkey,FSort from t_systemprofile ");
    return sql;
}

std::string billSettingsRefreshSql(bool afterModify)
{
    const auto yes = sqlQuote(TranslateText("是"));
    const auto no = sqlQuote(TranslateText("否"));
    const auto other = afterModify ? sqlQuote(TranslateText("不控制")) : yes;
    return "SELECT " + LanguageColumn("FBillName") +
           " as FBillName,FDesc,FPreLetter,FcurNo,FSufLetter,FFormat," +
           "( case FCanAlterBillNo when 1 then " + yes + " when 0 then  " + no + "  else " + other +
           " end) FCanAlterBillNo, " + " (case FCheckAfterSave when 1 then " + yes + " else " + no +
           " end) FCheckAfterSave," + " (case FUseBillCodeRule when 1 then " + yes + " else " + no +
           " end) FUseBillCodeRule," + "( case FSingleApproval when 1 then " + yes +
           " when 0 then " + no + "  else ''  end) FSingleApproval," +
           "( case FSingleUnApproval when 1 then " + yes + " when 0 then " + no +
           " else '' end) FSingleUnApproval," + "( case FEditSelfBill when 1 then " + yes +
           " when 0 then " + no + "  else '' end) FEditSelfBill" +
           " FROM ICBillNo where FBillID IN (SELECT ABS(FID) FROM ICClassType WHERE FControl&" +
           db::sqlNumber(32) + ">0) Order by FPos";
}

std::string printControlRefreshSql()
{
    return "SELECT FID," + LanguageColumn("FName") + " As FName " +
           " ,FPrintControlOrNo,FPrintMaxCount,(case FPrintAfterCheck when 1 then " +
           sqlQuote(TranslateText("是")) + " when 0 then " + sqlQuote(TranslateText("否")) +
           " else '' end) FPrintAfterCheck FROM ICPrintMaxCount Order by Fpos";
}

} // namespace

base::Variant RecordKeyList::keyOfRow(int32_t row) const
{
    if (row < lower || row > upperBound())
        return {};
    return keys[static_cast<std::size_t>(row - lower)];
}

std::string recordKeySql(const std::string &key)
{
    if (key == NodeKey::SystemSettings)
        return companySql();
    if (key == NodeKey::BillSettings)
        return "Select FBillID," + LanguageColumn("FBillName") + " AS FBillName " +
               "from ICBillNo where FBillID IN (SELECT ABS(FID) FROM ICClassType WHERE FControl&" +
               db::sqlNumber(32) + ">0) Order by FPos";
    if (key == NodeKey::PrintControl) {
        std::string sql;
        params::ParameterTree().GetDetailSql(0, 4, sql);
        return sql;
    }
    if (key == NodeKey::BillTypes)
        return "Select FID,FName,FAcctID,FNote from ICBillType Order by FID";
    if (key == NodeKey::AccountSetParameters)
        return std::string("select Fkey from t_systemprofile") + " where Fkey in ('riod')" +
               " AND FCateGory='IC'  Union" + " select Fkey from t_systemprofile" +
               " where Fkey in ('DisCivilExportSale') AND FCateGory='GL' ";
    if (key == NodeKey::VoucherGroups)
        return "select FGroupID from t_Vouchergroup order by FGroupID";
    if (key == NodeKey::PlanningParameters)
        return PlanningKeys;
    return {};
}

bool keysComeWithList(const std::string &key)
{
    // The bill types' list joins each type to its account by the account's primary key:
    // a row per type, in the order of the type ids, as the key query reads them.
    return key == NodeKey::SystemSettings || key == NodeKey::PrintControl ||
           key == NodeKey::BillTypes;
}

std::optional<RecordKeyList> readRecordKeys(const std::string &key)
{
    const auto sql = recordKeySql(key);
    if (sql.empty())
        return std::nullopt;
    auto rows = params::executeOnAccount(sql);
    return recordKeysOf(key, rows.get());
}

RecordKeyList recordKeysOf(const std::string &key, db::Recordset *rows)
{
    RecordKeyList list;
    if (rows) {
        rows->MoveFirst();
        readKeys(list, key, *rows);
        rows->MoveFirst();
    }
    if (key == NodeKey::SystemSettings && list.keys.size() >= 2)
        list.keys.swap(0, 1);
    if (key == NodeKey::PlanningParameters)
        list.keys.push_back(base::Variant("ProOfBeforeDemandLimit"));
    if (key == NodeKey::VoucherGroups && list.keys.empty()) {
        list.lower = 0;
        list.keys.push_back(base::Variant());
        list.keys.push_back(base::Variant());
    }
    list.keys.shrinkToFit();
    return list;
}

std::string refreshSql(const std::string &key, bool afterModify)
{
    if (key == NodeKey::SystemSettings)
        return companyRefreshSql();
    if (key == NodeKey::BillSettings)
        return billSettingsRefreshSql(afterModify);
    if (key == NodeKey::PrintControl)
        return printControlRefreshSql();
    if (key == NodeKey::VoucherGroups)
        return "Select FName From t_Vouchergroup Order By FGroupID";
    // Bill types reload with the query Add and Delete use, so a modified type shows its
    // new values.
    if (key == NodeKey::BillTypes)
        return "SELECT t1.FID,t1.FName,t1.FNumber,t1.FNote,t1.FAcctID,t2.FNumber as "
               "FAcctNumber FROM ICBillType t1  left join t_Account t2 ON "
               "t1.FAcctID=t2.FAccountID Order by t1.FID";
    if (key == NodeKey::PlanningParameters)
        return "select FKey,FValue from t_systemprofile where fkey in('PlanStartDate',"
               "'DaysPerTimeZone','DemandTimeLimit','TimeZoneCount','PlanTimeLimit') Order By "
               "FKey";
    return {};
}

} // namespace orvan::mainwindow
