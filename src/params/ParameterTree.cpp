#include "params/ParameterTree.h"

#include "base/Error.h"
#include "base/Text.h"
#include "component/LoginContext.h"
#include "component/ProcessState.h"
#include "component/SysEnum.h"
#include "component/Translation.h"
#include "forms/TreeControl.h"
#include "params/DetailSql.h"
#include "params/NodeTable.h"
#include "params/ProfileFlags.h"
#include "params/ProfileStore.h"

namespace orvan::params {
namespace {

using base::tryStep;
using component::TextKey;
using namespace NodeKey;

bool isCostSystem(const std::string &systemId)
{
    return systemId == "0004" || systemId == "0005" || systemId == "0006";
}

} // namespace

void ParameterTree::buildTree(int32_t itemClassId)
{
    if (!m_tree)
        return;
    switch (itemClassId) {
    case component::sys_sysparameter:
        buildSystemClass();
        break;
    case component::sys_checkparameter:
        buildAccountingClass();
        break;
    case component::sys_planparameter:
        addRoot(PlanningParameters);
        showTree();
        break;
    case component::sys_All:
        buildAllModulesClass();
        break;
    case component::sys_alarmparameter:
        buildAlarmClass();
        break;
    case component::sys_arapParameter:
        addRoot(BillSettings, 12);
        reveal();
        break;
    default:
        break;
    }
}

void ParameterTree::buildSystemClass()
{
    const auto systemId = component::processState().systemId;
    addRoot(SystemSettings);
    if (isCostSystem(systemId)) {
        addRoot(AccountingPeriods);
        addChild(AccountingPeriods, PeriodState);
        addChild(AccountingPeriods, PeriodDates);
        reveal();
    } else {
        addRoot(BillSettings);
        addRoot(PrintControl);
        addRoot(BillTypes);
    }
    buildSystemOptionRoots(systemId);
    showTree();
}

// A calling subsystem sees its own options only, under its own name.
void ParameterTree::buildSystemOptionRoots(const std::string &systemId)
{
    if (systemId == "0000") {
        addRoot(PurchasingOptions, 5, TextKey("采购管理系统"));
    } else if (systemId == "0001") {
        addRoot(WarehouseOptions, 5, TextKey("仓存管理系统"));
    } else if (systemId == "0002") {
        addRoot(InventoryAccountingOptions, 5, TextKey("存货核算系统"));
        m_tree->remove(BillSettings);
        m_tree->remove(BillTypes);
    } else if (systemId == "0003") {
        addRoot(SalesOptions, 5, TextKey("销售管理系统"));
    } else if (systemId == "0004") {
        addRoot(CostOptions, 5, TextKey("成本管理系统"));
    } else if (systemId != "0005" && systemId != "0006") {
        buildSupplyChainOptions();
    }
}

void ParameterTree::buildSupplyChainOptions()
{
    for (const char *key : {SupplyChainOptions, PurchasingOptions, SubcontractOptions, SalesOptions,
                            ImportOptions, ExportOptions})
        addRoot(key);
    if (!component::isLicensedEdition(component::LoginEdition())) {
        addRoot(DistributionOptions);
        addRoot(StoreOptions);
    }
    for (const char *key :
         {WarehouseOptions, InventoryAccountingOptions, CostOptions, ProductionTaskOptions,
          ShopFloorOptions, EquipmentOptions, StandardCostOptions, ActivityCostOptions,
          KanbanOptions, PlanningOptions, QualityOptions})
        addRoot(key);
    if (CategoryHasRows("GMP") || CategoryHasRows("GSP"))
        addRoot(PharmacyOptions);
}

void ParameterTree::buildAccountingClass()
{
    addRoot(AccountSetParameters);
    addRoot(AccountingPeriods);
    addChild(AccountingPeriods, PeriodState);
    addChild(AccountingPeriods, PeriodDates);
    reveal();
    addRoot(VoucherGroups);
    showTree();
}

// The tree of all parameters numbers its nodes apart (allModulesTag).
void ParameterTree::buildAllModulesClass()
{
    addGroup(SystemGroup);
    addGroupChild(SystemGroup, SystemSettings);
    addGroupChild(SystemGroup, BillSettings);
    addGroupChild(SystemGroup, PrintControl);
    addGroupChild(SystemGroup, SupplyChainOptions, TextKey("其他"));
    reveal();
    addGroup(AccountingGroup);
    addGroupChild(AccountingGroup, AccountSetParameters);
    addGroupChild(AccountingGroup, AccountingPeriods);
    addGroupChild(AccountingPeriods, PeriodState);
    addGroupChild(AccountingPeriods, PeriodDates);
    reveal();
    addGroupChild(AccountingGroup, VoucherGroups);
    addGroup(PlanningGroup);
    addGroupChild(PlanningGroup, PlanningParameters);
    reveal();
    showTree();
}

void ParameterTree::buildAlarmClass()
{
    const auto captionColumn = component::LanguageColumn("FCaption");
    db::RecordsetPtr rows;
    tryStep([&rows] {
        rows = executeOnAccount("select * from icsystemprofile where fid=11 order by findex");
    });
    if (!rows || rows->RecordCount() == 0)
        return;
    addRoot(AlarmRoot);
    int32_t n = 1;
    for (; !rows->isEOF(); rows->MoveNext()) {
        ++n;
        tryStep([&] {
            const auto key = std::string(AlarmRowPrefix) +
                             rows->Fields("FCategory").Value().text() + "|" + std::to_string(n);
            addAlarmRow(key, base::trim(rows->Fields(captionColumn).Value().text()), n);
        });
    }
    showTree();
}

void ParameterTree::addRoot(std::string_view key, std::optional<int32_t> tag, const char *caption)
{
    const auto *node = findNode(key);
    addNode({}, key, tag.value_or(node ? node->tag : 0), caption);
}

void ParameterTree::addChild(std::string_view parentKey, std::string_view key)
{
    const auto *node = findNode(key);
    addNode(parentKey, key, node ? node->tag : 0, nullptr);
}

void ParameterTree::addGroup(std::string_view key)
{
    const auto *node = findNode(key);
    addNode({}, key, node ? node->allModulesTag : 0, nullptr);
}

void ParameterTree::addGroupChild(std::string_view parentKey, std::string_view key,
                                  const char *caption)
{
    const auto *node = findNode(key);
    addNode(parentKey, key, node ? node->allModulesTag : 0, caption);
}

// Adds a node with its translated caption (the table's unless one is given); a node that
// cannot be added is skipped.
void ParameterTree::addNode(std::string_view parentKey, std::string_view key, int32_t tag,
                            const char *caption)
{
    tryStep([&] {
        const auto text = component::TranslateText(caption ? caption : nodeCaption(key));
        auto &node =
            parentKey.empty() ? m_tree->addRoot(key, text) : m_tree->addChild(parentKey, key, text);
        node.tag = tag;
        m_lastAdded = node.key;
    });
}

void ParameterTree::addAlarmRow(const std::string &key, const std::string &caption, int32_t tag)
{
    auto &node = m_tree->addChild(AlarmRoot, key, caption);
    node.tag = tag;
    m_lastAdded = node.key;
    reveal();
}

void ParameterTree::reveal()
{
    tryStep([this] { m_tree->ensureVisible(m_lastAdded); });
}

void ParameterTree::showTree()
{
    m_tree->setVisible(true);
}

void ParameterTree::GetDetailSql(int32_t kind, int32_t tag, std::string &sql) const
{
    const auto &state = component::processState();
    DetailContext context;
    context.systemId = state.systemId;
    context.helpSystem = state.helpSystem;
    context.periodDefineMethod = profileFlags().periodDefineMethod;
    context.edition = component::LoginEdition();
    sql = buildDetailSql(kind, tag, context);
}

int32_t ParameterTree::GetOptionValue(const std::string &key) const
{
    return params::GetOptionValue(key);
}

} // namespace orvan::params
