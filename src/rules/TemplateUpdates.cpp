#include "rules/TemplateUpdates.h"

#include <functional>

#include "base/Error.h"
#include "component/OutsideComponents.h"
#include "component/ProcessState.h"
#include "component/Translation.h"
#include "db/SqlText.h"
#include "forms/Messages.h"
#include "params/ProfileStore.h"

namespace orvan::rules {
namespace {

// Every batch goes through the process's connection; none raises error 424.
void execute(const std::string &batch)
{
    params::executeOnAccount(batch);
}

// Runs the steps; on an error shows "更新数据出错." with its description and stops.
void withErrorMessage(const std::function<void()> &steps)
{
    try {
        steps();
    } catch (const std::exception &error) {
        forms::showMessage(component::messageTitle(),
                           component::TranslateText("更新数据出错.") + error.what(),
                           forms::Buttons::Ok, forms::Icon::None);
    }
}

const char *pick(bool on, const char *whenOn, const char *whenOff)
{
    return on ? whenOn : whenOff;
}

} // namespace

std::string entryNeedCountSql(bool on)
{
    return on ? "Update ICTemplateEntry set FNeedCount=1 where FCtlType =3 "
              : "Update ICTemplateEntry set FNeedCount=0 where FCtlType =3 ";
}

std::string operMoveNoSql(bool on)
{
    const std::string enable = pick(on, "48", "0");
    return "Update ICTemplateEntry set FEnable = " + enable +
           " where FID = 'z10' and FFieldName = 'FOperMoveNo' " + std::string(LineBreak) +
           " Update ICTemplate set FEnable = " + enable +
           " where FID in ('Y52','Y51') and FFieldName = 'FOperMoveNo' " + std::string(LineBreak) +
           " UPDATE ICClassTableInfo SET FLock=" + pick(on, "0", "-1") +
           " WHERE  FClasstypeid=1002510 AND Fkey='FOperMoveNo'" + std::string(LineBreak) +
           " UPDATE ICClassType SET FID=FID WHERE  Fid=1002510 ";
}

std::string subcontractMustInputSql(std::string_view value)
{
    return "UPDATE ictemplate SET FMustInput=" + db::sqlQuote(value) +
           " WHERE (fid='a02' or fid='b04') and FFieldName='FSCBillInterID'";
}

std::string lookupShortNumberSql(bool on)
{
    return std::string(on ? "Update ICSelBills set FName='FShortNumber' where FName ='FNumber' "
                          : "Update ICSelBills set FName='FNumber' where FName ='FShortNumber' ") +
           " and FTableName in " +
           " ('t_Supplier','t_Organization','t_Emp','t_ICItem','t_Exp','t_MeasureUnit','t_Stock',"
           "'t_Department')";
}

std::string lookupControlsSql(bool on)
{
    return on ? "Update ICTemplate SET FEnable=48 Where FCtlType=4"
              : "Update ICTemplate SET FEnable=0 Where FCtlType=4";
}

std::string chatBillTitle61Sql(bool on)
{
    const std::string n = pick(on, "1", "0");
    return "UPDATE ICChatBillTitle SET FVisible=" + n + ",FVisForQuest=" + n + ",FMode=" + n +
           " WHERE FTypeID=61 AND FInterID=62";
}

std::string billTypeVisibilitySql(bool on)
{
    return std::string("Update ICTemplate SET FVisForBillType=") + pick(on, "31", "0") +
           " Where FLookUpCls=10 " +
           " Or (FID IN ('A97','B09') AND FFieldName IN ('FSCBillInterID','FBSCBillInterID'))" +
           " Or (FID ='S01' AND FFieldName ='FPOOrdBillNo')";
}

std::string letterSortFieldsSql(bool on)
{
    const std::string visible = pick(on, "-1", "0");
    return "UPDATE ICClassTableInfo SET FVisible=" + visible +
           ",FUnControl= " + pick(on, "FUnControl|1536", "55") +
           " WHERE FClassTypeID=1002513 AND FKey IN ('FLetter')" + std::string(LineBreak) +
           "UPDATE ICClassTableInfo SET FVisible=" + visible +
           ",FUnControl= " + pick(on, "FUnControl|1536", "1") +
           " WHERE FClassTypeID=1002514 AND FKey IN ('FSort')" + std::string(LineBreak) +
           "UPDATE ICClassType SET FID=FID" + std::string(LineBreak);
}

void SetEntryNeedCount(bool on)
{
    withErrorMessage([on] { execute(entryNeedCountSql(on)); });
}

void SetOperMoveNoEnabled(bool on)
{
    withErrorMessage([on] { execute(operMoveNoSql(on)); });
}

void ApplyOperAuxQtyLayout(bool on)
{
    withErrorMessage([on] { execute(operAuxQtyLayoutSql(on)); });
}

bool SetSubcontractMustInput(std::string_view value)
{
    base::tryStep([value] { execute(subcontractMustInputSql(value)); });
    return true;
}

void SetLookupShortNumber(bool on)
{
    withErrorMessage([on] {
        execute(lookupShortNumberSql(on));
        if (!on)
            return;
        execute("UPDATE t_SystemProfile SET FValue=0 WHERE FKey='AutoCreateCharItem' AND "
                "FCategory='SH'" +
                std::string(LineBreak));
        SetLetterSortFields(false);
    });
}

void SetLookupControlsEnabled(bool on)
{
    execute(lookupControlsSql(on));
}

void SetChatBillTitle61(bool on)
{
    execute(chatBillTitle61Sql(on));
}

void SetBillTypeVisibility(bool on)
{
    execute(billTypeVisibilitySql(on));
}

void SetLetterSortFields(bool on)
{
    base::tryStep([on] { execute(letterSortFieldsSql(on)); });
}

} // namespace orvan::rules
