// The window's reactions after the option control accepted or stored a value.
#include <string>

#include "base/Convert.h"
#include "base/Dictionary.h"
#include "base/Error.h"
#include "base/Text.h"
#include "component/ComponentRegistry.h"
#include "component/LoginContext.h"
#include "component/OutsideComponents.h"
#include "component/ProcessState.h"
#include "component/ProgIds.h"
#include "component/SysEnum.h"
#include "component/Translation.h"
#include "db/SqlText.h"
#include "forms/Messages.h"
#include "params/NodeTable.h"
#include "params/ProfileStore.h"
#include "rules/OptionChangeRules.h"
#include "rules/TemplateUpdates.h"

namespace orvan::rules {

namespace NodeKey = params::NodeKey;
namespace {

using component::TranslateText;
const std::string Break(LineBreak);

// Every batch goes through the process's connection; none raises error 424.
void execute(const std::string &batch)
{
    params::executeOnAccount(batch);
}

void inform(const std::string &text)
{
    forms::showMessage(component::messageTitle(), text);
}

bool isOn(const base::Variant &value)
{
    return value.toDouble() != 0;
}

// Opens another module's option dialog; its failure is shown, not raised.
void showDialog(const char *progId, const std::function<void(base::Object &)> &call)
{
    try {
        call(*component::ComponentRegistry::instance().create(progId));
    } catch (const std::exception &error) {
        forms::showMessage(component::messageTitle(), error.what(), forms::Buttons::Ok,
                           forms::Icon::None);
    }
}

} // namespace

std::string secondUnitSql(bool on)
{
    const std::string n = on ? "1" : "0";
    return "Update icchatbilltitle set FVisible=" + n + ",FVisForQuest=" + n +
           ",FvisForOrder=" + n +
           " where FTypeID <> 4 AND FColName in('FSecUnitName','FSecCoefficient',"
           "'FSECCOEFFICIENT', 'FSECQTY', 'FSECQTYINVOICE','FSECSTOCKQTY', 'FSECINVOICEQTY', "
           "'FSECCOMMITINSTALL', 'FSECCONCOMMITQTY','FSecCommitQty','FSecQtyActual',"
           "'FSecQtyMust','FSecQtyAct','FSecCheckQty','FSecOverQty','FSecDownQty','FSecAdjQty')" +
           Break + " Update ICClassTableInfo set FVisible=" + (on ? "1023" : "12") +
           " where FClassTypeID = 1007105 and FKey in ('FAuxUnit','FSecQty','FSecCoefficient') ";
}

std::string bondedSql(bool on)
{
    const std::string n = on ? "1" : "0";
    return "Update icchatbilltitle set FVisible=" + n + ",FVisForQuest=" + n +
           ",FvisForOrder=" + n +
           " where FColName IN('FManageType') AND FTypeID "
           "IN(76,58,77,92,137,69,55,56,57,68,81,61,702,705,82,83,63,64)" +
           Break + "UPDATE ICTemplate SET FVisForBillType=" + (on ? "31" : "0") +
           " WHERE FID IN('T02','T05','A01','A02','A05','A06','A97','B01','B04','B08','B09',"
           "'B37','S01','P02','P03','P04','S12','S02') AND FFieldName='FManageType'" +
           Break + "UPDATE ICClassTableInfo SET FVisible=" + (on ? "-1" : "12") +
           " WHERE FClassTypeID IN (1007100,1007101,1007130,1007131,1007140) AND "
           "FKey='FManageType'" +
           Break + "UPDATE ICClassType SET FID=FID";
}

std::string purchaseRateSql(bool passOn)
{
    return std::string(passOn ? "UPDATE ICSelbills SET FAction=''  "
                              : "UPDATE ICSelbills SET FAction='CASE t12.FOperator WHEN ''/'' "
                                "THEN 1/t12.FExchangeRate WHEN ''*'' THEN t12.FExchangeRate ELSE "
                                "t12.FExchangeRate END'  ") +
           Break +
           "Where FID IN ('I02','I03') and FFieldName='FOrderInterID' and "
           "FDstCtlField='FExchangeRate' and FName='FExchangeRate' ";
}

std::string salesRateSql(bool passOn)
{
    const std::string table =
        passOn ? "UPDATE ICSelbills SET FTableName='SEOrder',FTableAlias='v1',"
               : "UPDATE ICSelbills SET FTableName='t_Currency',FTableAlias='t9',";
    const std::string action = passOn ? "FAction='' "
                                      : "FAction='CASE t9.FOperator WHEN ''/'' THEN "
                                        "1/t9.FExchangeRate WHEN ''*'' THEN t9.FExchangeRate ELSE "
                                        "t9.FExchangeRate END' ";
    return table + Break + action + Break +
           "Where FID IN ('I04','I05') and FFieldName='FOrderInterID' and "
           "FDstCtlField='FExchangeRate' and FName='FExchangeRate'";
}

std::string passMarkSql(double mark)
{
    const auto n = db::sqlNumber(mark);
    return "update QMEvaProj set FPassMark=" + n + " where FCheckerID=0 " + Break +
           "update t1 Set t1.FPassMark = " + n +
           " from QMsupplyEva t1 left outer join QMEvaProj t2 on t1.FProjID=t2.FProjID where "
           "t1.FCheckerID=0 and t2.FCheckerID=0";
}

std::string totalMarkSql(double mark)
{
    const auto n = db::sqlNumber(mark);
    return "update QMEvaProj set FTotalMark=" + n + " where FCheckerID=0 " + Break +
           "update t1 set t1.FProjS=t1.FPercent*" + n +
           "/100 from QMEvaProjEntry t1 left outer join QMEvaProj t2 on t1.FID=t2.FID where "
           "t2.FCheckerID=0 " +
           Break + "update t1 Set t1.FTotalMark = " + n +
           " from QMsupplyEva t1 left outer join QMEvaProj t2 on t1.FProjID=t2.FProjID where "
           "t1.FCheckerID=0 and t2.FCheckerID=0" +
           Break + "update t1 set t1.FProjS=t1.FPercent*" + n +
           "/100 from QMsupplyEvaEntry t1 left outer join QMsupplyEva t2 on t2.FID=t1.FID left "
           "outer join QMEvaProj t3 on t2.FProjID=t3.FProjID" +
           Break + "where t2.FCheckerID=0 and t3.FCheckerID=0 ";
}

std::string closedDispatchSql(bool closedOnly)
{
    const std::string status = closedOnly ? "u1.FStatus=1" : "u1.FStatus in (1,3)";
    const std::string gap = closedOnly ? " " : "";
    return "update ICClassLink set FCondition='" + status +
           " and u1.FAutoTD=1058 and (select fstatus from icmo where finterid=v1.ficmointerid) "
           "in(1,2) and (select fsuspend from icmo where finterid=v1.ficmointerid) =0 '" +
           gap + "where FSourClassTypeID =-52 and FDestClassTypeID=1002510 and FIsUsed=2 " + Break +
           "update ICClassLink set FCondition='(select fstatus from icmo where "
           "finterid=v1.ficmointerid) in(1,2) and (select fsuspend from icmo where "
           "finterid=v1.ficmointerid) =0 and (select fstatus from SHWorkBillEntry where "
           "FWBinterid=v1.FWorkBillinterid)=1 and " +
           (closedOnly ? "u1.Fstatus=1" : "u1.Fstatus in (1,3)") +
           " and v1.FAutoTD=1059' where FSourClassTypeID =-502 and FDestClassTypeID=1002510 and "
           "FIsUsed=2 " +
           Break + "update ictemplate set FFilter='t3.fstatus in(1,2) and t3.Fsuspend=0 and " +
           (closedOnly ? "u1.Fstatus=1" : "u1.Fstatus in(1,3)") +
           " and u1.FAutoTD=1058' where FID='Y52' and FFieldName='FWBInterID'" + Break +
           "update ictemplate set FFilter='t1.fstatus in(1,2) and t1.Fsuspend=0 and " +
           (closedOnly ? "t3.Fstatus=1 and u1.Fstatus=1"
                       : "t3.Fstatus in(1,3) and u1.Fstatus in (1,3)") +
           " and v1.FAutoTD=1059' where FID='Y52' and FFieldName='FTaskDispBillID'" + Break;
}

std::string userOptionSql(const std::string &key, int32_t userId, int32_t value)
{
    const auto user = db::sqlNumber(userId);
    const auto quotedKey = db::sqlQuote(key);
    const auto stored =
        db::sqlNumber(static_cast<long long>(value < 0 ? -static_cast<long long>(value) : value));
    return " If not exists(Select * from QMUserOption Where FKey=" + quotedKey +
           " and FUserID=" + user + ")" + Break +
           "   insert into QMUserOption(FUserID,FKey,FValue) values(" + user + "," + quotedKey +
           "," + stored + ")" + Break + " else " + Break +
           "   update QMUserOption set FValue=" + stored + "  Where  FKey=" + quotedKey +
           " and FUserID=" + user;
}

void OptionChangeRules::OptionChanged(const std::string &key, const base::Variant &value)
{
    try {
        if (key == "PassEvaluateMark" || key == "TotalEvaluateMark") {
            recheckMarks(key, value);
        } else if (key == "EnableMtoPlanMode") {
            if (value.toDouble() == 0) {
                execute("exec p_ICPlan_EnableMtoPlanMode 0");
                inform(TranslateText("有计划跟踪号的业务单据及库存数据将无法查询到计划跟踪号！"));
            } else {
                execute("exec p_ICPlan_EnableMtoPlanMode 1");
            }
        } else if (key == "IsClosedWBDISP") {
            execute(closedDispatchSql(value.toDouble() == 0));
        } else {
            rememberAlarmSwitch(key);
        }
    } catch (const std::exception &) {
        // Reactions to an accepted value end quietly on errors.
    }
}

void OptionChangeRules::recheckMarks(const std::string &key, const base::Variant &value)
{
    if (skipMarkRecheck) {
        skipMarkRecheck = false;
        return;
    }
    const bool pass = key == "PassEvaluateMark";
    const double v = value.toDouble();
    if (v <= 0) {
        inform(TranslateText(pass ? "供应商评估及格分必须大于0,请更正！"
                                  : "供应商评估总分必须大于0,请更正！"));
        if (selectNode)
            selectNode(NodeKey::QualityOptions);
        return;
    }
    const bool failed = pass ? m_control.currentValue("TotalEvaluateMark").toDouble() < v
                             : m_control.currentValue("PassEvaluateMark").toDouble() > v;
    if (failed) {
        inform(TranslateText("供应商评估总分不能小于及格分,请更正！"));
        if (selectNode)
            selectNode(NodeKey::QualityOptions);
    }
    skipMarkRecheck = false;
}

void OptionChangeRules::rememberAlarmSwitch(const std::string &key)
{
    if (!lpProfileRows)
        return;
    if (!optionContext)
        optionContext = std::make_shared<base::Dictionary>();
    if (key != "AlarmSystemSwitch")
        return;
    lpProfileRows->setFilter("FKey=" + db::sqlQuote(key));
    alarmSwitchStored = !lpProfileRows->isEOF();
    std::static_pointer_cast<base::Dictionary>(optionContext)
        ->set("FChanged", base::Variant(alarmSwitchStored));
    m_control.setContext(optionContext);
}

void OptionChangeRules::OptionCommitted(const std::string &key, const base::Variant &value)
{
    if (commitDialog(key, value))
        return;
    commitRewrite(key, value);
    mirrorUserOption(key, value);
}

bool OptionChangeRules::commitDialog(const std::string &key, const base::Variant &)
{
    const auto upper = base::upperCase(key);
    const auto showOption = [&key](base::Object &dialog) {
        dialog.invoke("ShowOption", base::InvokeKind::Method, {base::Variant(key)});
    };
    if (key == "StrictReportInOrder" || key == "ITEMSTOCK_FROMTYPE" ||
        key == "JOBPAY_IMPORTOPTION" || key == "SUBCONTRACTMO_CLOSEOPTION" ||
        key == "MO_CLOSEOPTION" || upper == "SFCOPERMAPPINGSCOPE") {
        if (showDetailDialogs)
            showDialog(component::ProgId::BackFlushParamOption, showOption);
        return true;
    }
    if (key == "AutoTranOrvanBill") {
        if (showDetailDialogs)
            showDialog(component::ProgId::KanbanParamOption, showOption);
        return true;
    }
    if (upper == "PRODUCTSUITCHECK" || upper == "OUTSOURCESUITCHECK") {
        auto settings = std::make_shared<base::Dictionary>();
        settings->set("Category", base::Variant("IC"));
        settings->set("Key", base::Variant(key));
        if (showDetailDialogs)
            showDialog(component::ProgId::SuitControlSetter, [&settings](base::Object &dialog) {
                std::vector<base::Variant> args{base::Variant(base::ObjectPtr(settings))};
                dialog.invoke("Show", base::InvokeKind::Method, args);
            });
        return true;
    }
    return false;
}

bool OptionChangeRules::commitRewrite(const std::string &key, const base::Variant &value)
{
    const auto upper = base::upperCase(key);
    if (key == "SecUnit")
        execute(secondUnitSql(isOn(value)));
    else if (key == "BondedManagedTurnedON")
        execute(bondedSql(isOn(value)));
    else if (key == "ShowAllBillHead")
        execute(std::string("Update ICSystemProfile set FValue=") + (isOn(value) ? "1" : "0") +
                " where FID=0 AND FKey='ShowAllBillHead' AND FCategory='IC'");
    else if (upper == "POORDERPUSHEXCHANGERATE")
        execute(purchaseRateSql(value.toDouble() == -1));
    else if (upper == "SEORDERPUSHEXCHANGERATE")
        execute(salesRateSql(value.toDouble() == -1));
    else if (upper == "ENABLEMTOPLANMODE")
        execute(std::string("UPDATE ICClassTableInfo SET FVisible=") +
                (isOn(value) ? "1023" : "12") +
                " WHERE FClassTypeID=1007105 AND FKey in('FMTONo','FPlanMode')");
    else
        return false;
    return true;
}

void OptionChangeRules::mirrorUserOption(const std::string &key, const base::Variant &value)
{
    if (component::processState().sysClass != component::sys_alarmparameter)
        return;
    base::tryStep([&] { execute(userOptionSql(key, component::CurrentUserID(), value.toLong())); });
}

void OptionChangeRules::BomOptionRequested()
{
    component::ComponentRegistry::instance()
        .create(component::ProgId::BomOptionDialog)
        ->invoke("Show", base::InvokeKind::Method, {base::Variant(""), base::Variant(int16_t(7))});
}

void OptionChangeRules::ShortageWarningRequested(const base::ObjectPtr &dictionary)
{
    base::tryStep([&dictionary] {
        std::vector<base::Variant> args{base::Variant(dictionary)};
        component::ComponentRegistry::instance()
            .create(component::ProgId::ShortageWarningDialog)
            ->invoke("Show", base::InvokeKind::Method, args);
    });
}

void OptionChangeRules::OptionSwitched(int position, bool on)
{
    switch (position) {
    case 1:
        SetChatBillTitle61(on);
        break;
    case 3:
        SetEntryNeedCount(on);
        break;
    case 4:
        SetLookupShortNumber(on);
        break;
    case 5:
        SetLookupControlsEnabled(on);
        break;
    case 7:
        SetBillTypeVisibility(on);
        break;
    case 8:
        ApplyOperAuxQtyLayout(on);
        break;
    case 9:
        SetOperMoveNoEnabled(on);
        break;
    case 10:
        SetLetterSortFields(on);
        break;
    default:
        break; // positions 2 and 6 run nothing
    }
}

} // namespace orvan::rules
