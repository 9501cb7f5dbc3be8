#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// The nodes of the parameter tree and everything the layers decide by a node: its key,
// tag and caption, what the right-hand side shows for it, its detail query, the field
// that keys its records, its editor page, the record commands it offers and its help set
// code. Every layer reads these facts here; node keys are spelled nowhere else.
namespace orvan::params {

// The keys of the nodes. The key is what the per-user settings store for the last node.
namespace NodeKey {
inline constexpr const char *SystemSettings = "sys1";
inline constexpr const char *BillSettings = "sys2";
inline constexpr const char *SupplyChainOptions = "sys3";
inline constexpr const char *PrintControl = "sys4";
inline constexpr const char *PurchasingOptions = "sys5";
inline constexpr const char *WarehouseOptions = "sys6";
inline constexpr const char *InventoryAccountingOptions = "sys7";
inline constexpr const char *SalesOptions = "sys8";
inline constexpr const char *BillTypes = "sys9";
inline constexpr const char *CostOptions = "sys10";
inline constexpr const char *ProductionTaskOptions = "sys11";
inline constexpr const char *PlanningOptions = "sys12";
inline constexpr const char *QualityOptions = "sys13";
inline constexpr const char *PharmacyOptions = "sys14";
inline constexpr const char *DistributionOptions = "sys16";
inline constexpr const char *StoreOptions = "sys17";
inline constexpr const char *ShopFloorOptions = "sys18";
inline constexpr const char *SubcontractOptions = "sys19";
inline constexpr const char *EquipmentOptions = "sys20";
inline constexpr const char *ActivityCostOptions = "sys21";
inline constexpr const char *KanbanOptions = "sys22";
inline constexpr const char *StandardCostOptions = "sys27";
inline constexpr const char *ImportOptions = "Imp";
inline constexpr const char *ExportOptions = "Exp";
inline constexpr const char *AccountSetParameters = "au1";
inline constexpr const char *AccountingPeriods = "au2";
inline constexpr const char *PeriodState = "au21";
inline constexpr const char *PeriodDates = "au22";
inline constexpr const char *VoucherGroups = "au3";
inline constexpr const char *PlanningParameters = "pL1";
inline constexpr const char *SystemGroup = "All0";
inline constexpr const char *AccountingGroup = "All1";
inline constexpr const char *PlanningGroup = "All2";
inline constexpr const char *AlarmRoot = "alarm1";
// The alarm tree's rows are "alarm" + category + "|" + row number.
inline constexpr const char *AlarmRowPrefix = "alarm";
} // namespace NodeKey

// The detail-query kinds, as the detail query numbers them.
enum DetailKind : int32_t {
    SystemNodes = 0,
    AccountingNodes = 1,
    PlanningNodes = 2,
    GroupNodes = 3,
};

// What the right-hand side shows for a node.
enum class NodeContent {
    RecordList,      // the records of the node's detail query, each one editable
    ParameterList,   // the rows of the node's detail query
    PeriodList,      // the accounting periods with their dates
    OptionPage,      // a page of the option-profile control
    CalculationPage, // one of the two calculation-parameter controls
    Group,           // nothing of its own
};

// The class line a node sets when it is shown: the title of its class of parameters, or
// the title kept.
enum class ClassLine { Keep, System, Accounting, Planning };

// The page of the record editor that edits a node's records.
enum class EditorPageKind {
    None,
    ProfileValue,
    PrintControl,
    BillType,
    PlanParameter,
    BillSettings
};

// Which record commands a node offers: the toolbar buttons New, Delete and Modify (shown
// or hidden), the Edit menu's Add, Delete and Modify (enabled or disabled) and the grid's
// pop-up. An empty value leaves the state as it is.
struct RecordCommands
{
    std::optional<bool> newButton;
    std::optional<bool> deleteButton;
    std::optional<bool> modifyButton;
    std::optional<bool> editAdd;
    std::optional<bool> editDelete;
    std::optional<bool> editModify;
    bool popupCommands = false; // the pop-up's Add, Delete and Modify enabled as well
};

// Which items the grid's pop-up menu offers.
struct PopupCommands
{
    bool add = false;
    bool remove = false;
    bool modify = false;
};

struct NodeInfo
{
    const char *key;
    int32_t tag;           // in the tree of its own class of parameters
    int32_t allModulesTag; // in the tree of all parameters; 0 when it is not there
    const char *caption;   // untranslated
    NodeContent content;
    DetailKind detailKind;
    int32_t optionPage;         // page of the option-profile control; -1 for none
    const char *recordKeyField; // the list field that keys the editor's records
    EditorPageKind editorPage;  // None: Modify opens no page of its own
    RecordCommands commands;    // when the node is shown
    PopupCommands popup;        // what the grid's pop-up offers
    bool modifyDoesNothing;     // option and group nodes: Modify is ignored
    const char *helpSetCode;    // nullptr: none
    ClassLine classLine;
};

// Every node of the table, in tree order.
std::span<const NodeInfo> allNodes();
// The node of a key (compared exactly): its row, the one entry shared by the rows of the
// alarm tree, or nullptr for keys the tree does not have.
const NodeInfo *findNode(std::string_view key);
// The node of a key compared without regard to case.
const NodeInfo *findNodeNoCase(std::string_view key);

bool isAlarmKey(std::string_view key);

// The detail kind of any key: the table's, else by the key's letters (alarm rows are
// group nodes).
DetailKind detailKindOf(std::string_view key);
// The untranslated caption of a key ("" for alarm rows and unknown keys, whose captions
// come from the option definitions).
const char *nodeCaption(std::string_view key);

} // namespace orvan::params
