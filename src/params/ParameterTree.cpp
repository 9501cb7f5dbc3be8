#include "params/ParameterTree.h"

#include "base/Error.h"
#include "base/Text.h"
#include "component/LoginContext.h"
#include "component/ProcessState.h"
#include "component/SysEnum.h"
#include "component/Translation.h"
#include "forms/TreeControl.h"
#include "params/DetailSql.h"
#include "params/NodeCatalog.h"
#include "params/ProfileFlags.h"
#include "params/ProfileStore.h"

namespace orvan::params {
namespace {

using base::tryStep;
using component::TextKey;

std::string editionCode()
{
    std::string edition;
    tryStep([&edition] { edition = component::ScanLoginProp("OrvanVersion"); });
    return edition;
}

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
        addRoot("pL1", 1);
        showTree();
        break;
    case component::sys_All:
        buildAllModulesClass();
        break;
    case component::sys_alarmparameter:
        buildAlarmClass();
        break;
    case component::sys_arapParameter:
        addRoot("sys2", 12);
        reveal();
        break;
    default:
        break;
    }
}

void ParameterTree::buildSystemClass()
{
    const auto systemId = component::processState().systemId;
    addRoot("sys1", 1);
    if (isCostSystem(systemId)) {
        addRoot("au2", 2);
        addChild("au2", "au21", 201);
        addChild("au2", "au22", 202);
        reveal();
    } else {
        addRoot("sys2", 2);
        addRoot("sys4", 4);
        addRoot("sys9", 9);
    }
    buildSystemOptionRoots(systemId);
    showTree();
}

void ParameterTree::buildSystemOptionRoots(const std::string &systemId)
{
    if (systemId == "0000") {
        addRoot("sys5", 5, TextKey("采购管理系统"));
    } else if (systemId == "0001") {
        addRoot("sys6", 5, TextKey("仓存管理系统"));
    } else if (systemId == "0002") {
        addRoot("sys7", 5, TextKey("存货核算系统"));
        m_tree->remove("sys2");
        m_tree->remove("sys9");
    } else if (systemId == "0003") {
        addRoot("sys8", 5, TextKey("销售管理系统"));
    } else if (systemId == "0004") {
        addRoot("sys10", 5, TextKey("成本管理系统"));
    } else if (systemId != "0005" && systemId != "0006") {
        buildSupplyChainOptions();
    }
}

void ParameterTree::buildSupplyChainOptions()
{
    for (const auto &[key, tag] :
         {std::pair{"sys3", 3}, {"sys5", 5}, {"sys19", 19}, {"sys8", 8}, {"Imp", 25}, {"Exp", 26}})
        addRoot(key, tag);
    const auto edition = editionCode();
    if (edition != "ZEE" && edition != "ZSE") {
        addRoot("sys16", 16);
        addRoot("sys17", 17);
    }
    for (const auto &[key, tag] : {std::pair{"sys6", 6},
                                   {"sys7", 7},
                                   {"sys10", 10},
                                   {"sys11", 11},
                                   {"sys18", 18},
                                   {"sys20", 20},
                                   {"sys27", 27},
                                   {"sys21", 21},
                                   {"sys22", 22},
                                   {"sys12", 12},
                                   {"sys13", 13}})
        addRoot(key, tag);
    if (CategoryHasRows("GMP") || CategoryHasRows("GSP"))
        addRoot("sys14", 14);
}

void ParameterTree::buildAccountingClass()
{
    addRoot("au1", 1);
    addRoot("au2", 2);
    addChild("au2", "au21", 201);
    addChild("au2", "au22", 202);
    reveal();
    addRoot("au3", 3);
    showTree();
}

void ParameterTree::buildAllModulesClass()
{
    addRoot("All0", 1);
    addChild("All0", "sys1", 11);
    addChild("All0", "sys2", 12);
    addChild("All0", "sys4", 14);
    addChild("All0", "sys3", 13, TextKey("其他"));
    reveal();
    addRoot("All1", 2);
    addChild("All1", "au1", 21);
    addChild("All1", "au2", 22);
    addChild("au2", "au21", 2201);
    addChild("au2", "au22", 2202);
    reveal();
    addChild("All1", "au3", 23);
    addRoot("All2", 3);
    addChild("All2", "pL1", 31);
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
    addRoot("alarm1", 1);
    int32_t n = 1;
    for (; !rows->isEOF(); rows->MoveNext()) {
        ++n;
        tryStep([&] {
            const auto key =
                "alarm" + rows->Fields("FCategory").Value().text() + "|" + std::to_string(n);
            addAlarmRow(key, base::trim(rows->Fields(captionColumn).Value().text()), n);
        });
    }
    showTree();
}

void ParameterTree::addRoot(std::string_view key, int32_t tag, const char *caption)
{
    tryStep([&] {
        auto &node =
            m_tree->addRoot(key, component::TranslateText(caption ? caption : nodeCaption(key)));
        node.tag = tag;
        m_lastAdded = node.key;
    });
}

void ParameterTree::addChild(std::string_view parentKey, std::string_view key, int32_t tag,
                             const char *caption)
{
    tryStep([&] {
        auto &node = m_tree->addChild(
            parentKey, key, component::TranslateText(caption ? caption : nodeCaption(key)));
        node.tag = tag;
        m_lastAdded = node.key;
    });
}

void ParameterTree::addAlarmRow(const std::string &key, const std::string &caption, int32_t tag)
{
    auto &node = m_tree->addChild("alarm1", key, caption);
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
    context.edition = editionCode();
    sql = buildDetailSql(kind, tag, context);
}

int32_t ParameterTree::GetOptionValue(const std::string &key) const
{
    return params::GetOptionValue(key);
}

} // namespace orvan::params
