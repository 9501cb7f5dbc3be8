#include "params/NodeCatalog.h"

#include <array>
#include <utility>

#include "component/Translation.h"

namespace orvan::params {
namespace {

using component::TextKey;

const std::array<std::pair<const char *, const char *>, 34> NodeCaptions = {{
    {"sys1", TextKey("系统设置")},
    {"sys2", TextKey("单据设置")},
    {"sys4", TextKey("打印控制")},
    {"sys9", TextKey("单据类型")},
    {"sys3", TextKey("供应链整体选项")},
    {"sys5", TextKey("采购系统选项")},
    {"sys6", TextKey("仓存系统选项")},
    {"sys7", TextKey("核算系统选项")},
    {"sys8", TextKey("销售系统选项")},
    {"sys10", TextKey("成本系统选项")},
    {"sys11", TextKey("生产任务管理选项")},
    {"sys12", TextKey("计划系统选项")},
    {"sys13", TextKey("质量系统选项")},
    {"sys14", TextKey("医药系统选项")},
    {"sys16", TextKey("分销系统选项")},
    {"sys17", TextKey("门店系统选项")},
    {"sys18", TextKey("车间作业管理选项")},
    {"sys19", TextKey("委外加工管理选项")},
    {"sys20", TextKey("设备管理选项")},
    {"sys21", TextKey("作业成本管理选项")},
    {"sys22", TextKey("看板管理系统选项")},
    {"sys27", TextKey("标准成本管理选项")},
    {"Imp", TextKey("进口系统选项")},
    {"Exp", TextKey("出口系统选项")},
    {"au1", TextKey("账套参数")},
    {"au2", TextKey("会计期间")},
    {"au21", TextKey("当前状态")},
    {"au22", TextKey("日期表")},
    {"au3", TextKey("凭证字")},
    {"pL1", TextKey("计划参数")},
    {"All0", TextKey("系统模块")},
    {"All1", TextKey("核算模块")},
    {"All2", TextKey("计划模块")},
    {"alarm1", TextKey("系统模块")},
}};

} // namespace

DetailKind detailKindOf(std::string_view key)
{
    if (key.find("sys") != std::string_view::npos)
        return SystemNodes;
    if (key.find("au") != std::string_view::npos)
        return AccountingNodes;
    if (key.find("pL") != std::string_view::npos)
        return PlanningNodes;
    if (key == "Exp" || key == "Imp")
        return SystemNodes;
    return GroupNodes;
}

const char *nodeCaption(std::string_view key)
{
    for (const auto &[nodeKey, caption] : NodeCaptions)
        if (key == nodeKey)
            return caption;
    return "";
}

} // namespace orvan::params
