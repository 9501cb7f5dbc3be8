#include "params/ParamsFixture.h"

#include "component/SysEnum.h"
#include "forms/TreeControl.h"
#include "params/ParameterTree.h"

using namespace orvan;
using namespace orvan::component;

namespace {

class TreeBuilder : public test::ParamsFixture
{
protected:
    // The tree of a class as "key caption tag" lines, two spaces per depth.
    std::string build(int32_t sysClass, const std::string &systemId = {})
    {
        processState().systemId = systemId;
        params::ParameterTree builder;
        builder.setTree(&tree);
        builder.buildTree(sysClass);
        return outline();
    }
    std::string outline() const
    {
        std::string text;
        for (const auto *node : tree.displayOrder())
            text += std::string(2 * tree.depthOf(*node), ' ') + node->key + " " + node->caption +
                    " " + std::to_string(node->tag) + "\n";
        return text;
    }
    std::string keys() const
    {
        std::string text;
        for (const auto *node : tree.displayOrder())
            text += node->key + " ";
        return text;
    }
    forms::TreeControl tree;
};

} // namespace

TEST_F(TreeBuilder, InventoryAccountingDropsBillSettingsAndBillTypes)
{
    EXPECT_EQ(build(sys_sysparameter, "0002"), "sys1 系统设置 1\nsys4 打印控制 4\n"
                                               "sys7 存货核算系统 5\n");
    EXPECT_TRUE(tree.visible());
}

TEST_F(TreeBuilder, CostSystemsShowTheAccountingPeriodGroup)
{
    EXPECT_EQ(build(sys_sysparameter, "0004"), "sys1 系统设置 1\nau2 会计期间 2\n"
                                               "  au21 当前状态 201\n  au22 日期表 202\n"
                                               "sys10 成本管理系统 5\n");
    EXPECT_TRUE(tree.find("au2")->expanded);
    tree.clear();
    EXPECT_EQ(keys(), "");
    EXPECT_EQ(build(sys_sysparameter, "0005"), "sys1 系统设置 1\nau2 会计期间 2\n"
                                               "  au21 当前状态 201\n  au22 日期表 202\n");
}

TEST_F(TreeBuilder, SingleModuleSystemsAddTheirOwnOptionNode)
{
    build(sys_sysparameter, "0000");
    EXPECT_EQ(keys(), "sys1 sys2 sys4 sys9 sys5 ");
    EXPECT_EQ(tree.find("sys5")->caption, "采购管理系统");
    EXPECT_EQ(tree.find("sys5")->tag, 5);
}

TEST_F(TreeBuilder, WholeSupplyChainOrderDependsOnEditionAndPharmaceuticalRows)
{
    setLogin("UserID=1;LANGUAGE=chs;OrvanVersion=ZSE;");
    build(sys_sysparameter);
    EXPECT_EQ(keys(), "sys1 sys2 sys4 sys9 sys3 sys5 sys19 sys8 Imp Exp sys6 sys7 sys10 sys11 "
                      "sys18 sys20 sys27 sys21 sys22 sys12 sys13 ");

    tree.clear();
    runNative("INSERT INTO t_SystemProfile(FCategory,FKey,FValue) VALUES('GSP','Check','1')");
    setLogin("UserID=1;LANGUAGE=chs;OrvanVersion=ZEEX;");
    build(sys_sysparameter, "0009");
    EXPECT_EQ(keys(), "sys1 sys2 sys4 sys9 sys3 sys5 sys19 sys8 Imp Exp sys16 sys17 sys6 sys7 "
                      "sys10 sys11 sys18 sys20 sys27 sys21 sys22 sys12 sys13 sys14 ");
    EXPECT_EQ(tree.find("sys3")->caption, "供应链整体选项");
    EXPECT_EQ(tree.find("Exp")->tag, 26);
}

TEST_F(TreeBuilder, AccountingAndAllModulesTreesCarryTheVoucherGroups)
{
    EXPECT_EQ(build(sys_checkparameter), "au1 账套参数 1\nau2 会计期间 2\n  au21 当前状态 201\n"
                                         "  au22 日期表 202\nau3 凭证字 3\n");
    tree.clear();
    EXPECT_EQ(build(sys_All), "All0 系统模块 1\n  sys1 系统设置 11\n  sys2 单据设置 12\n"
                              "  sys4 打印控制 14\n  sys3 其他 13\nAll1 核算模块 2\n"
                              "  au1 账套参数 21\n  au2 会计期间 22\n    au21 当前状态 2201\n"
                              "    au22 日期表 2202\n  au3 凭证字 23\nAll2 计划模块 3\n"
                              "  pL1 计划参数 31\n");
    EXPECT_TRUE(tree.find("All0")->expanded);
    EXPECT_TRUE(tree.find("au2")->expanded);
    EXPECT_TRUE(tree.find("All2")->expanded);
}

TEST_F(TreeBuilder, BuildingAgainAddsNothingAndBillSettingsLeaveTheTreeHidden)
{
    build(sys_planparameter);
    EXPECT_EQ(build(sys_planparameter), "pL1 计划参数 1\n");
    tree.clear();
    tree.setVisible(false);
    EXPECT_EQ(build(sys_arapParameter), "sys2 单据设置 12\n");
    EXPECT_FALSE(tree.visible());
}

TEST_F(TreeBuilder, AlarmRowsAreNumberedFromTwoAndCaptionedInTheLoginLanguage)
{
    EXPECT_EQ(build(sys_alarmparameter), "");
    EXPECT_FALSE(tree.visible());
    runNative("INSERT INTO icsystemprofile(FID,FCategory,FKey,FValue,FIndex,FCaption,FCaption_EN) "
              "VALUES(11,'IC','A1','0',3,' 库存预警 ','Stock alert'),"
              "(11,'SO','A2','0',1,'信用预警','Credit alert'),"
              "(11,'IC','A3','1',2,'保质期预警',NULL),(12,'IC','A4','0',0,'其他','Other')");
    EXPECT_EQ(build(sys_alarmparameter), "alarm1 系统模块 1\n  alarmSO|2 信用预警 2\n"
                                         "  alarmIC|3 保质期预警 3\n  alarmIC|4 库存预警 4\n");
    EXPECT_TRUE(tree.visible());
    tree.clear();
    setLogin("UserID=1;LANGUAGE=EN;");
    EXPECT_EQ(build(sys_alarmparameter), "alarm1 System 1\n  alarmSO|2 Credit alert 2\n"
                                         "  alarmIC|3  3\n  alarmIC|4 Stock alert 4\n");
}

TEST_F(TreeBuilder, CaptionsFollowTheLoginLanguage)
{
    setLogin("UserID=1;LANGUAGE=EN;");
    EXPECT_EQ(build(sys_sysparameter, "0002"), "sys1 System Settings 1\nsys4 Print Control 4\n"
                                               "sys7 Inventory Accounting 5\n");
    tree.clear();
    setLogin("UserID=1;LANGUAGE=CHT;");
    EXPECT_EQ(build(sys_checkparameter), "au1 賬套參數 1\nau2 會計期間 2\n  au21 當前狀態 201\n"
                                         "  au22 日期表 202\nau3 憑證字 3\n");
}
