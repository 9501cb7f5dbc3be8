#pragma once

// ProgIDs of the outside components this library creates.
namespace orvan::component::ProgId {
inline constexpr const char *Connection = "OrvanConnection.AppConnection";
inline constexpr const char *Rights = "LedgerView.GLData";
inline constexpr const char *SharedProps = "PropStore.ShareProps";
inline constexpr const char *Help = "OrvanCHMResTool.ClsCHMHelp";
inline constexpr const char *StringLoader = "OrvanRESLOADER.Loader";
inline constexpr const char *FormResLoader = "FormRes.FormResLoader";
// The components of other modules the option rules call late-bound.
inline constexpr const char *BomView = "OrvanMBomBill.BomView";
inline constexpr const char *BomUpdate = "OrvanMBomBill.BomUpdate";
inline constexpr const char *PPBom = "OrvanSHTransBills.clsPPBom";
inline constexpr const char *QualityDataUpdate = "OrvanMQMDataAccess.DataUpdate";
inline constexpr const char *BackFlushParamOption = "OrvanBackFlush.clsParamOption";
inline constexpr const char *KanbanParamOption = "OrvanLPParamSet.CParamOption";
inline constexpr const char *SuitControlSetter = "OrvanSysSetExt.cSuitControlSetter";
inline constexpr const char *BomOptionDialog = "OrvanMrpOption.CBomEOption";
inline constexpr const char *ShortageWarningDialog = "OrvanShortageWarning.clsShowForm";
// The kanban module's alarm release; absent where the kanban module is not installed.
inline constexpr const char *KanbanAlarmRelease = "OrvanMLPMobile.CMKBAlarmRelease";
// The public classes of this library.
inline constexpr const char *SysFace = "OrvanSysMaintain.SysFace";
inline constexpr const char *Interface = "OrvanSysMaintain.Interface";
inline constexpr const char *DelPlan = "OrvanSysMaintain.clsDelPlan";
// The keyed collection scripts and components create by ProgID.
inline constexpr const char *Dictionary = "Fnd.Dictionary";
} // namespace orvan::component::ProgId
