#include "params/NodeTable.h"

#include <algorithm>
#include <array>
#include <unordered_map>

#include "base/Text.h"
#include "component/Translation.h"

namespace orvan::params {
namespace {

using component::TextKey;
using enum NodeContent;
using enum EditorPageKind;

constexpr ClassLine SystemTitle = ClassLine::System;
constexpr ClassLine AccountingTitle = ClassLine::Accounting;
constexpr ClassLine PlanningTitle = ClassLine::Planning;
constexpr ClassLine KeepTitle = ClassLine::Keep;

// The record commands of the kinds of node.
constexpr RecordCommands ListModify{false, false, true, false, false, true};
constexpr RecordCommands NoCommands{false, false, false, false, false, false};
constexpr RecordCommands AllCommands{true, true, true, true, true, true, true};
constexpr RecordCommands OptionCommands{false, false, false, {}, false, false};
constexpr RecordCommands OtherCommands{false, false, true, {}, false, true};
constexpr RecordCommands AlarmCommands{false, false, false, {}, false, true};

constexpr PopupCommands ListPopup{false, false, true};
constexpr PopupCommands AllPopup{true, true, true};
constexpr PopupCommands NoPopup{};

constexpr const char *Key = "FKey";

// An option page of the option-profile control.
NodeInfo optionNode(const char *key, int32_t tag, const char *caption, int32_t page,
                    const char *setCode, ClassLine classLine = KeepTitle)
{
    return {key,         tag,  0,       caption,  OptionPage,
            SystemNodes, page, Key,     None,     OptionCommands,
            NoPopup,     true, setCode, classLine};
}

const std::array<NodeInfo, 34> &table()
{
    namespace K = NodeKey;
    static const std::array<NodeInfo, 34> nodes{{
        {K::SystemSettings, 1, 11, TextKey("系统设置"), RecordList, SystemNodes, -1, Key,
         ProfileValue, ListModify, ListPopup, false, "SYS_SET", SystemTitle},
        {K::BillSettings, 2, 12, TextKey("单据设置"), RecordList, SystemNodes, -1, "FBillID",
         BillSettings, ListModify, ListPopup, false, "BillNo_SET", SystemTitle},
        {K::PrintControl, 4, 14, TextKey("打印控制"), RecordList, SystemNodes, -1, "FID",
         PrintControl, ListModify, ListPopup, false, "PRINT_SET", SystemTitle},
        {K::BillTypes, 9, 0, TextKey("单据类型"), RecordList, SystemNodes, -1, "FID", BillType,
         AllCommands, AllPopup, false, "BILLTRANTYPE_SET", KeepTitle},
        {K::SupplyChainOptions, 3, 13, TextKey("供应链整体选项"), OptionPage, SystemNodes, 0, Key,
         None, OptionCommands, NoPopup, true, "GYLZT_SET", SystemTitle},
        optionNode(K::PurchasingOptions, 5, TextKey("采购系统选项"), 1, "PURCHASE_SET",
                   SystemTitle),
        optionNode(K::WarehouseOptions, 6, TextKey("仓存系统选项"), 2, "STOCK_SET", SystemTitle),
        {K::InventoryAccountingOptions, 7, 0, TextKey("核算系统选项"), CalculationPage, SystemNodes,
         -1, Key, None, OptionCommands, NoPopup, true, "CACULATE_SET", SystemTitle},
        optionNode(K::SalesOptions, 8, TextKey("销售系统选项"), 3, "SALE_SET", SystemTitle),
        {K::CostOptions, 10, 0, TextKey("成本系统选项"), CalculationPage, SystemNodes, -1, Key,
         None, OptionCommands, NoPopup, true, "SJCB", SystemTitle},
        optionNode(K::ProductionTaskOptions, 11, TextKey("生产任务管理选项"), 6, "Cj_SET"),
        optionNode(K::PlanningOptions, 12, TextKey("计划系统选项"), 7, "Jh_SET"),
        optionNode(K::QualityOptions, 13, TextKey("质量系统选项"), 8, "QM_SET"),
        optionNode(K::PharmacyOptions, 14, TextKey("医药系统选项"), 9, nullptr),
        {K::DistributionOptions, 16, 0, TextKey("分销系统选项"), OptionPage, SystemNodes, 16, Key,
         None, NoCommands, NoPopup, false, "FAX_SET", KeepTitle},
        {K::StoreOptions, 17, 0, TextKey("门店系统选项"), OptionPage, SystemNodes, 17, Key, None,
         OtherCommands, NoPopup, false, "DRP_SET", KeepTitle},
        optionNode(K::ShopFloorOptions, 18, TextKey("车间作业管理选项"), 18, "Operm_SET"),
        optionNode(K::SubcontractOptions, 19, TextKey("委外加工管理选项"), 19, "Subc_SET"),
        optionNode(K::EquipmentOptions, 20, TextKey("设备管理选项"), 20, "Device_SET"),
        optionNode(K::ActivityCostOptions, 21, TextKey("作业成本管理选项"), 21, "OPCOST"),
        optionNode(K::KanbanOptions, 22, TextKey("看板管理系统选项"), 22, "LP_SET"),
        {K::StandardCostOptions, 27, 0, TextKey("标准成本管理选项"), OptionPage, SystemNodes, 27,
         Key, None, NoCommands, NoPopup, true, nullptr, KeepTitle},
        {K::ImportOptions, 25, 0, TextKey("进口系统选项"), OptionPage, SystemNodes, 25, Key, None,
         OptionCommands, NoPopup, false, "IMP_SET", SystemTitle},
        {K::ExportOptions, 26, 0, TextKey("出口系统选项"), OptionPage, SystemNodes, 26, Key, None,
         OptionCommands, NoPopup, false, "EXP_SET", SystemTitle},
        {K::AccountSetParameters, 1, 21, TextKey("账套参数"), ParameterList, AccountingNodes, -1,
         Key, ProfileValue, NoCommands, NoPopup, true, nullptr, AccountingTitle},
        {K::AccountingPeriods, 2, 22, TextKey("会计期间"), ParameterList, AccountingNodes, -1, Key,
         ProfileValue, NoCommands, NoPopup, true, nullptr, AccountingTitle},
        {K::PeriodState, 201, 2201, TextKey("当前状态"), ParameterList, AccountingNodes, -1, Key,
         None, NoCommands, NoPopup, true, nullptr, KeepTitle},
        {K::PeriodDates, 202, 2202, TextKey("日期表"), PeriodList, AccountingNodes, -1, Key, None,
         NoCommands, NoPopup, true, nullptr, KeepTitle},
        {K::VoucherGroups, 3, 23, TextKey("凭证字"), ParameterList, AccountingNodes, -1, "FGroupID",
         ProfileValue, AllCommands, AllPopup, false, nullptr, AccountingTitle},
        {K::PlanningParameters, 1, 31, TextKey("计划参数"), ParameterList, PlanningNodes, -1, Key,
         PlanParameter, ListModify, ListPopup, false, nullptr, PlanningTitle},
        {K::SystemGroup, 1, 1, TextKey("系统模块"), Group, GroupNodes, -1, Key, None, OtherCommands,
         NoPopup, true, nullptr, SystemTitle},
        {K::AccountingGroup, 2, 2, TextKey("核算模块"), Group, GroupNodes, -1, Key, None,
         OtherCommands, NoPopup, true, nullptr, AccountingTitle},
        {K::PlanningGroup, 3, 3, TextKey("计划模块"), Group, GroupNodes, -1, Key, None,
         OtherCommands, NoPopup, true, nullptr, PlanningTitle},
        {K::AlarmRoot, 1, 0, TextKey("系统模块"), OptionPage, GroupNodes, 12, Key, None,
         AlarmCommands, NoPopup, false, nullptr, KeepTitle},
    }};
    return nodes;
}

// The rows of the alarm tree below its root, and keys the table does not know.
const NodeInfo AlarmRow{"",         0,     0,       "",       OptionPage,
                        GroupNodes, 12,    Key,     None,     AlarmCommands,
                        NoPopup,    false, nullptr, KeepTitle};

} // namespace

std::span<const NodeInfo> allNodes()
{
    return table();
}

const NodeInfo *findNode(std::string_view key)
{
    // Every click looks its node up: by hash, not by comparing with every key.
    static const auto byKey = [] {
        std::unordered_map<std::string_view, const NodeInfo *> nodes;
        for (const auto &node : table())
            nodes.emplace(node.key, &node);
        return nodes;
    }();
    // A click asks for its own node about ten times: the last one found is tried first.
    thread_local std::pair<std::string_view, const NodeInfo *> lastFound{};
    if (lastFound.second && key == lastFound.first)
        return lastFound.second;
    if (const auto found = byKey.find(key); found != byKey.end()) {
        lastFound = *found;
        return found->second;
    }
    return isAlarmKey(key) ? &AlarmRow : nullptr;
}

const NodeInfo *findNodeNoCase(std::string_view key)
{
    if (const auto *exact = findNode(key); exact && !isAlarmKey(key))
        return exact;
    const auto &nodes = table();
    const auto found = std::find_if(nodes.begin(), nodes.end(), [key](const NodeInfo &node) {
        return base::equalsNoCase(key, node.key);
    });
    return found != nodes.end() ? &*found : nullptr;
}

bool isAlarmKey(std::string_view key)
{
    return key.starts_with(NodeKey::AlarmRowPrefix);
}

DetailKind detailKindOf(std::string_view key)
{
    if (const auto *node = findNode(key))
        return node->detailKind;
    if (key.find("sys") != std::string_view::npos)
        return SystemNodes;
    if (key.find("au") != std::string_view::npos)
        return AccountingNodes;
    if (key.find("pL") != std::string_view::npos)
        return PlanningNodes;
    return GroupNodes;
}

const char *nodeCaption(std::string_view key)
{
    const auto *node = findNode(key);
    return node ? node->caption : "";
}

} // namespace orvan::params
