// The batch that switches the bill screens between operation quantities in the
// auxiliary unit and the plain auxiliary quantities.
#include <initializer_list>

#include "rules/TemplateUpdates.h"

namespace orvan::rules {
namespace {

// A text that reads one way when the option is on and another when it is off.
const char *pick(bool on, const char *whenOn, const char *whenOff)
{
    return on ? whenOn : whenOff;
}

void appendLines(std::string &batch, std::initializer_list<std::string> lines)
{
    for (const auto &line : lines) {
        batch += line;
        batch += LineBreak;
    }
}

void appendTemplateLines(std::string &batch, bool on)
{
    const std::string shown = pick(on, "31", "0");
    const std::string plain = pick(on, "0", "48");
    const std::string title = pick(on, "1", "0");
    appendLines(
        batch,
        {
            "Update ICTemplateEntry set FVisForBillType =" + shown + " where FID = 'z03'",
            " And FFieldName in ('FConversion','FOperAuxQtyPlan') ",
            "Update ICTemplateEntry set FVisForBillType =" + shown + " where FID = 'z10'",
            " And FFieldName in ('FOperAuxQtyPlan') ",
            "Update ICTemplate set FVisForBillType =" + shown + " where FID = 'z10'",
            " And FFieldName in ('FConversion','FOperAuxWBPlanQty') ",
            "Update ICTemplateEntry set FVisForBillType =" + shown + "where FID = 'Y52'",
            " And FFieldName in ('FOperAuxQtyFinish','FOperAuxQtyPass','FOperAuxQtyScrap',"
            "'FOperAuxQtyForItem','FOperAuxReprocessedQty') ",
            "Update ICTemplate set FVisForBillType =" + shown + " where FID = 'Y52'",
            " And FFieldName in ('FConversion','FOperAuxQtyPlan','FOperAuxQtyFinishTotal') ",
            "Update ICTemplate set FVisForBillType =" + shown + " where FID = 'Y51'",
            " And FFieldName in ('FConversion','FOperAuxQtyShift','FOperAuxQtyOutPass',"
            "'FOperAuxQtyOutHandOver','FOperAuxQtyInReceive') ",
            "Update ICTemplateEntry set FEnable = " + plain + " Where FID = 'z10' ",
            " And FFieldName in ('FAuxQtyPlan') ",
            "Update ICTemplateEntry set FEnable = " + plain + " Where FID = 'Y52' ",
            " And FFieldName in ('FAuxQtyFinish','FAuxQtyScrap','FAuxQtyForItem',"
            "'FAuxReprocessedQty') ",
            "Update ICTemplate set FEnable = " + plain +
                " Where FID = 'Y51' and FFieldName = 'FAuxQtyShift' ",
            "Update ICChatBillTitle set FVisible = " + title + ",FVisForQuest = " + title +
                ",FVisForOrder = " + title,
            " Where FTypeID in (601,602,691,692) and ",
            " FColName in ('FConversion','FOperAuxWBPlanQty','FOperAuxQtyPlan','FOperAuxQtyFinish',"
            "'FOperAuxQtyPass','FOperAuxQtyScrap','FOperAuxQtyForItem','FOperAuxQtyOutPass',"
            "'FOperAuxQtyOutHandOver','FOperAuxQtyInReceive','FOperAuxQtyShift',",
            " 'FOperAuxQtyReceiveSel','FOperAuxQtyRecive','FOperAuxQtyHandOverSel',"
            "'FOperAuxQtyHandOver','FOperAuxQtyTaskDispSel','FOperAuxQtyTaskDispAck',"
            "'FOperAuxQtyFinishTotal','FOperAuxReprocessedQty') ",
        });
}

void appendReportBatchLines(std::string &batch, bool on)
{
    appendLines(batch,
                {
                    "--设置工序汇报批量录入单据",
                    std::string("UPDATE ICClassTableInfo SET FVisible=FVisible ") +
                        pick(on, "|1023", "&(~1023)") + " WHERE  FClasstypeid=1002510 ",
                    " AND Fkey in ('FOperAuxQtyFinish','FOperAuxQtyPass','FOperAuxQtyScrap',"
                    "'FOperAuxQtyForItem','FOperAuxReprocessedQty','FConversion','FCoefficient')",
                    std::string("UPDATE ICClassTableInfo SET FLock=") + pick(on, "-1", "0") +
                        " WHERE  FClasstypeid=1002510 ",
                    " AND Fkey in ('FAuxQtyfinish','FAuxQtyPass','FAuxQtyForItem','FAuxQtyScrap',"
                    "'FAuxReprocessedQty')",
                    "UPDATE ICClassType SET FID=FID WHERE  Fid=1002510 ",
                    " Delete From  ICClassUserProfile Where FSection='BillSet1002510'",
                });
}

void appendRoutingCardLines(std::string &batch, bool on)
{
    appendLines(
        batch,
        {
            "--工序流转卡单据",
            std::string("UPDATE ICClassTableInfo SET FVisible=FVisible ") +
                pick(on, "| 2047", " & (~2047)") + " WHERE  FClasstypeid=1002519 ",
            " AND Fkey in ('FAuxQtyCoefficient',N'FConversion')",
            std::string("UPDATE ICClassTableInfo SET FVisible=FVisible ") +
                pick(on, "| 782", " & (~2047)") + " WHERE  FClasstypeid=1002519 ",
            " AND Fkey in (N'FAuxQtyFinishCoefficient',N'FAuxQtyForItemCoefficient',"
            "N'FAuxQtyPassCoefficient',N'FAuxQtyReciveCoefficient',N'FAuxQtyScrapCoefficient',"
            "N'FAuxQualifiedRepQtyCoefficient',N'FAuxReprocessedQtyCoefficient',"
            "N'FAuxQtyHandOverCoefficient')",
            std::string("UPDATE ICClassTableInfo SET FVisible=FVisible ") +
                pick(on, " & (~2047)", "| 2047") + " WHERE  FClasstypeid=1002519 ",
            " AND Fkey in (N'FAuxQty')",
            std::string("UPDATE ICClassTableInfo SET FVisible=FVisible ") +
                pick(on, " & (~2047)", "| 782") + " WHERE  FClasstypeid=1002519 ",
            " AND Fkey in (N'FAuxQtyFinish',N'FAuxQtyForItem',N'FAuxQtyPass',N'FAuxQtyRecive',"
            "N'FAuxQtyScrap',N'FAuxQualifiedReprocessedQty',N'FAuxReprocessedQty',"
            "N'FAuxQtyHandOver')",
            "Delete From  ICClassUserProfile Where FSection='BillSet1002519'",
            "--工序流转卡单据 派工工作台多布局 只有计划生产数量 接收数 实作数量 默认显示",
            std::string("UPDATE ICClassTableInfoLayout SET FVisible= ") + pick(on, "253", "0") +
                " WHERE  FClasstypeid=1002519 AND FLayoutID =1 ",
            " AND Fkey in ('FAuxQtyCoefficient','FAuxQtyReciveCoefficient',"
            "'FAuxQtyFinishCoefficient')",
            std::string("UPDATE ICClassTableInfoLayout SET FVisible= ") + pick(on, "12", "0") +
                " WHERE  FClasstypeid=1002519 AND FLayoutID =1 ",
            " AND Fkey in ('FAuxQtyForItemCoefficient','FAuxQtyHandOverCoefficient',"
            "'FAuxQtyPassCoefficient','FAuxQtyScrapCoefficient','FAuxQualifiedRepQtyCoefficient',"
            "'FAuxReprocessedQtyCoefficient','FConversion')",
            std::string("UPDATE ICClassTableInfoLayout SET FVisible= ") + pick(on, "0", "253") +
                " WHERE  FClasstypeid=1002519 AND FLayoutID =1 ",
            " AND Fkey in ('FAuxQty','FAuxQtyRecive','FAuxQtyFinish')",
            std::string("UPDATE ICClassTableInfoLayout SET FVisible= ") + pick(on, "0", "12") +
                " WHERE  FClasstypeid=1002519 AND FLayoutID =1 ",
            " AND Fkey in ('FAuxQtyForItem','FAuxQtyHandOver','FAuxQtyPass','FAuxQtyScrap',"
            "'FAuxReprocessedQty','FAuxQualifiedReprocessedQty')",
            "UPDATE ICClassType SET FID=FID WHERE  FID=1002519 ",
        });
}

void appendRoutingReportLines(std::string &batch, bool on)
{
    appendLines(
        batch,
        {
            "--流转卡汇报表体多布局",
            std::string("UPDATE ICClassEntryEditorLayout SET FVisible=") + pick(on, "253", " 0") +
                " WHERE FClassTypeID=1002520 AND FLayoutID=0 AND FEditorKey='FReportEnter'",
            " AND FKey in ('FConversion','FOperAuxQtyfinish',N'FOperAuxQtyPass',"
            "N'FOperAuxQualifiedRepQty',N'FOperAuxQtyScrap',N'FOperAuxQtyForItem',"
            "N'FOperAuxReprocessedQty')",
            std::string("UPDATE ICClassEntryEditorLayout SET FVisible=") + pick(on, "0", "253") +
                " WHERE FClassTypeID=1002520 AND FLayoutID=0 AND FEditorKey='FReportEnter'",
            " AND Fkey in ('FAuxQtyfinish',N'FAuxQtyPass',N'FAuxQualifiedReprocessedQty',"
            "N'FAuxQtyScrap',N'FAuxQtyForItem',N'FAuxReprocessedQty')",
            "--工序流转卡汇报",
            std::string("UPDATE ICClassTableInfo SET FVisible=FVisible ") +
                pick(on, "| 1023", " & (~1023)") + " WHERE  FClasstypeid=1002520 ",
            " AND FKey in ('FOperAuxQtyFinish','FOperAuxQtyForItem','FOperAuxQtyPass',"
            "'FOperAuxQtyScrap','FOperAuxQualifiedRepQty','FOperAuxReprocessedQty','FConversion')",
            std::string("UPDATE ICClassTableInfo SET FVisible=FVisible ") +
                pick(on, " & (~1023)", "| 1023") + " WHERE  FClasstypeid=1002520 ",
            " AND Fkey in ('FAuxQtyFinish','FAuxQtyForItem','FAuxQtyPass','FAuxQtyReprocessed',"
            "'FAuxQtyScrap','FAuxQualifiedReprocessedQty','FAuxReprocessedQty')",
            std::string("UPDATE ICClassTableInfo SET FVisible=FVisible ") +
                pick(on, "| 2", " & (~2)") + " WHERE  FClasstypeid=1002520 ",
            " AND FKey in ('FOperAuxQtyHandOver')",
            std::string("UPDATE ICClassTableInfo SET FVisible=FVisible ") +
                pick(on, " & (~2)", "| 2") + " WHERE  FClasstypeid=1002520 ",
            " AND Fkey in ('FAuxQtyHandOver')",
            "UPDATE ICClassType SET FID=FID WHERE  Fid=1002520 ",
            "Delete From ICClassUserProfile Where FSection='BillSet1002520'",
            "--工序流转卡快速汇报",
            std::string("UPDATE ICClassTableInfoLayout SET FVisible= FVisible ") +
                pick(on, "|241", "&(~241)") + " WHERE  FClasstypeid=1002520 AND FLayoutID =1 ",
            " AND FKey IN ('FOperAuxQtyFinish','FOperAuxQtyForItem','FOperAuxQtyPass',"
            "'FOperAuxQtyScrap','FOperAuxQualifiedRepQty','FOperAuxReprocessedQty','FConversion')",
            std::string("UPDATE ICClassTableInfoLayout SET FVisible= FVisible") +
                pick(on, "&(~241)", "|241") + " WHERE  FClasstypeid=1002520 AND FLayoutID =1 ",
            " AND FKey IN ('FAuxQtyFinish','FAuxQtyForItem','FAuxQtyPass','FAuxQtyReprocessed',"
            "'FAuxQtyScrap','FAuxQualifiedReprocessedQty','FAuxReprocessedQty')",
            "UPDATE ICClassType SET FID=FID WHERE  FID=1002520 ",
            "Delete From ICClassUserProfile Where FSection='BillSet1002520-1'",
        });
}

void appendSubcontractLines(std::string &batch, bool on)
{
    appendLines(batch,
                {
                    "--增加委外工序转出单的可见性刷新",
                    std::string(" UPDATE ICClassTableInfo SET FVisible= ") +
                        pick(on, "1023", "12") + " WHERE  FClasstypeid=1002521 ",
                    " AND Fkey in ('FBasicCoef','FOperTranOutQty')",
                    " UPDATE ICClassType SET FID=FID WHERE  Fid=1002521",
                    "--委外工序接收单的可见性和锁定性刷新",
                    std::string(" UPDATE ICClassTableInfo SET FVisible= ") +
                        pick(on, "1023", "12") + " WHERE  FClasstypeid=1002523 ",
                    " AND Fkey in ('FBasicCoef','FOperReceiveQty','FOperPassQty','FOperScrapQty',"
                    "'FOperScrapItemQty')",
                    std::string(" UPDATE ICClassTableInfo SET FLock= ") + pick(on, "-1", "4") +
                        " WHERE  FClasstypeid=1002523 ",
                    " AND Fkey in ('FReceiveQty','FPassQty','FScrapQty','FScrapItemQty')",
                    " UPDATE ICClassType SET FID=FID WHERE  Fid=1002523",
                });
}

void appendReportListLines(std::string &batch, bool on)
{
    appendLines(
        batch,
        {
            "--流转卡接收信息，转出信息，完工汇报信息相应字段是否显示",
            std::string("UPDATE ICClassSQLReportDesc SET FVisible = ") + pick(on, "0", "1"),
            "FROM ICClassSQLReportDesc t1",
            "    join ICClassSQLReport t2 on t1.FReportID = t2.FReportID",
            "WHERE t2.FListTplID in (60010,60011,60012,60013,60015) ",
            "  and t1.FColName in ('FAuxQtyfinish','FAuxQtyPass','FAuxQualifiedReprocessedQty',"
            "'FAuxQtyScrap','FAuxQtyForItem',",
            "    'FAuxReprocessedQty','FAuxQtyRecive','FAuxQtyHandOver',",
            "    'FTranOutQty','FDefectAuxQty',",
            "    'FReceiveQty','FPassQty','FScrapQty','FScrapItemQty')",
            std::string("UPDATE ICClassSQLReportDesc SET FVisible = ") + pick(on, "1", "0"),
            "FROM ICClassSQLReportDesc t1",
            "    join ICClassSQLReport t2 on t1.FReportID = t2.FReportID",
            "WHERE t2.FListTplID in (60010,60011,60012,60013,60015) ",
            "  and t1.FColName in ('FConversion','FOperAuxQtyFinish','FOperAuxQtyPass',",
            "    'FOperAuxQualifiedRepQty','FOperAuxQtyScrap','FOperAuxQtyForItem',"
            "'FOperAuxReprocessedQty','FAuxQtyReciveCoefficient','FOperAuxQtyHandOver',",
            "    'FBasicCoef','FOperTranOutQty','FConversion','FOperDefectAuxQty',",
            "    "
            "'FBasicCoef','FOperReceiveQty','FOperPassQty','FOperScrapQty','FOperScrapItemQty')",
        });
}

} // namespace

std::string operAuxQtyLayoutSql(bool on)
{
    std::string batch;
    appendTemplateLines(batch, on);
    appendReportBatchLines(batch, on);
    appendRoutingCardLines(batch, on);
    appendRoutingReportLines(batch, on);
    appendSubcontractLines(batch, on);
    appendReportListLines(batch, on);
    return batch;
}

} // namespace orvan::rules
