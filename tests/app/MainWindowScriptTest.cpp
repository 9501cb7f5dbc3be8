#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "support/ProgramSandbox.h"
#include "support/ScriptRun.h"

using namespace orvan;

namespace {

// Every flow runs on an account file and on a server account.
class MainWindowScript : public ::testing::TestWithParam<test::Engine>
{
protected:
    void SetUp() override
    {
        if (GetParam() == test::Engine::Server)
            ORVAN_REQUIRE_TEST_SERVER();
        m_account = std::make_unique<test::EngineAccount>(GetParam());
        m_config = m_account->scratchName() + ".config";
        m_sandbox.setEnv("XDG_CONFIG_HOME", m_config);
    }
    void TearDown() override { std::filesystem::remove_all(m_config); }

    // The output of one script run in a fresh process.
    std::string run(const std::string &script)
    {
        const auto ran =
            test::runScript(*m_account, "UserID=16394;SubID=;LANGUAGE=" + m_language + ";", script);
        m_exitCode = ran.exitCode;
        return ran.output;
    }

    std::unique_ptr<test::EngineAccount> m_account;
    test::ProgramSandbox m_sandbox;
    std::string m_config;
    int m_exitCode = -1;
    std::string m_language = "chs";
};

TEST_P(MainWindowScript, ShowsTheClassClicksNodesAndDumps)
{
    const auto out = run("show 0\n"
                         "dump tree\n"
                         "click sys9\n"
                         "dump title\n"
                         "dump grid\n"
                         "dump toolbar\n"
                         "close\n");
    EXPECT_EQ(m_exitCode, 0) << out;
    EXPECT_NE(out.find("sys1\t系统设置\t1*\nsys2\t单据设置\t2\n"), std::string::npos) << out;
    EXPECT_NE(
        out.find(
            "[单据类型]----共计：10条记录\n||代码|名称|科目代码|备注|\n|1|01|普通||系统预设|\n"),
        std::string::npos)
        << out;
    EXPECT_NE(out.find("New visible enabled\nModify visible enabled\nDelete visible enabled\n"
                       "Cut hidden enabled\n"),
              std::string::npos)
        << out;
}

TEST_P(MainWindowScript, NextRunOpensOnTheNodeLeftSelected)
{
    run("show 0\nclick sys4\nclose\n");
    const auto out = run("show 0\ndump tree\nclose\n");
    EXPECT_NE(out.find("sys4\t打印控制\t4*\n"), std::string::npos) << out;
}

TEST_P(MainWindowScript, UnknownTargetsAreErrors)
{
    const auto out = run("show 0\n"
                         "click nowhere\n"
                         "tool Cut\n"
                         "row 999\n"
                         "menu Edit.Nothing\n"
                         "dump editor\n"
                         "close\n");
    EXPECT_EQ(out, "ERROR 2: no tree node \"nowhere\"\n"
                   "ERROR 3: no button \"Cut\" can be pressed\n"
                   "ERROR 4: no grid row 999\n"
                   "ERROR 5: no menu item \"Edit.Nothing\" can be chosen\n"
                   "ERROR 6: the maintenance window cannot dump \"editor\"\n");
    EXPECT_EQ(m_exitCode, 1);
}

TEST_P(MainWindowScript, RowsAndF1AreTakenOnAList)
{
    const auto out = run("show 0\nclick sys2\nrow 4\nrow 6\nkey F1\nclose\n");
    EXPECT_EQ(m_exitCode, 0) << out;
}

TEST_P(MainWindowScript, OptionChangesPassThroughTheWindowsChecks)
{
    const auto out = run("show 0\n"
                         "click sys13\n"
                         "option PassEvaluateMark 120\n"
                         "option QMCheckDecimal 0\n"
                         "option PassEvaluateMark 70\n"
                         "dump options\n"
                         "menu File.Preview\n"
                         "option Nothing 1\n"
                         "close\n");
    EXPECT_NE(
        out.find("MSG Tessel提示 | 供应商评估总分不能小于及格分,请更正！\n"
                 "MSG Tessel提示 | 检验单套打检验项目精度设置必须在1-10之间！\n"
                 "MSG Tessel提示 | 供应商评估及格分改变，供应商评估方案和评估分数将重新计算！\n"
                 "质量系统选项\n"
                 "QMCheckDecimal|检验单套打检验项目精度|2|\n"
                 "TotalEvaluateMark|供应商评估总分|100|\n"
                 "PassEvaluateMark|供应商评估及格分|70|\n"
                 "ApplyMapInPurchase|在采购系统中使用物料对应表||\n"
                 "PREVIEW 质量系统选项 | 4 rows\n"),
        std::string::npos)
        << out;
    EXPECT_NE(out.find("ERROR 8: no option \"Nothing\" is shown\n"), std::string::npos) << out;
}

// Found with a script: the suite components these options call opened a second
// connection, which waited for the option's own change and then gave up.
TEST_P(MainWindowScript, OptionsThatCallOtherComponentsAreSavedWithTheirWork)
{
    const auto out = run("show 0\nclick sys12\noption EnableEcnRight 1\n"
                         "click sys13\noption ApplyMapInPurchase 1\nclose\n");
    EXPECT_EQ(out.find("MSG"), std::string::npos) << out;
    EXPECT_EQ(m_account->value("SELECT FValue FROM t_SystemProfile WHERE FKey='EnableEcnRight'"),
              "1");
    EXPECT_EQ(m_account->value("SELECT FVisForBillType FROM ICTemplateEntry "
                               "WHERE FFieldName='FECNNo'"),
              "31");
    EXPECT_EQ(m_account->value("SELECT COUNT(*) FROM t_SystemProfile "
                               "WHERE FKey='ApplyMapInPurchase' AND FValue='1'"),
              "1");
}

// The history holds the option's value and one row for the template rows it rewrote.
TEST_P(MainWindowScript, AnOptionChangeIsRecordedWithOneRowForItsTemplateRewrite)
{
    run("show 0\nclick sys18\noption UseLetterSortField 1\nclose\n");
    const auto history = [this](const char *condition) {
        return m_account->value(std::string("SELECT COUNT(*) FROM t_ChangeHistory WHERE ") +
                                condition);
    };
    EXPECT_EQ(history("FRecord='SH.UseLetterSortField' AND FOldValue='0' AND FNewValue='1' "
                      "AND FAction='script sys18'"),
              "1");
    EXPECT_EQ(history("FTable='templates' AND FRecord='UseLetterSortField'"), "1");
    EXPECT_EQ(m_account->value("SELECT FNewValue FROM t_ChangeHistory WHERE FTable='templates'"),
              "53 rows rewritten");
    EXPECT_EQ(history("FTable LIKE 'IC%'"), "0") << "no template row one by one";
}

// View > History shows the node's own changes, newest first, and the filter narrows them.
TEST_P(MainWindowScript, TheHistoryWindowShowsTheNodesChangesAndFilters)
{
    run("show 0\nclick sys18\noption UseLetterSortField 1\nclose\n");
    m_language = "EN";
    const auto out = run("show 0\nclick sys9\nmenu View.History\ndump history\nclose\n"
                         "click sys18\nmenu View.History\ndump history\nfilter sh.useletter\n"
                         "dump history\nfilter nothing like it\ndump history\ntool Print\n"
                         "close\nclose\n");
    EXPECT_NE(out.find("TITLE Change History - Bill Types\nEMPTY No changes are recorded.\n"),
              std::string::npos)
        << out;
    const auto shopFloor = out.find("TITLE Change History - ");
    ASSERT_NE(out.find("TITLE Change History - ", shopFloor + 1), std::string::npos) << out;
    const auto rows = out.substr(out.find("TITLE Change History - ", shopFloor + 1));
    EXPECT_NE(rows.find("Time (UTC)|User|Machine|Table|Record|Field|Old value|New value|Action|\n"),
              std::string::npos)
        << rows;
    const auto summary =
        rows.find("|templates|UseLetterSortField|||53 rows rewritten|script sys18|");
    const auto value = rows.find("|t_SystemProfile|SH.UseLetterSortField|FValue|0|1|script sys18|");
    ASSERT_NE(summary, std::string::npos) << rows;
    EXPECT_LT(summary, value) << "the newest first";
    const auto filtered = rows.substr(rows.find("TITLE", 1));
    EXPECT_EQ(filtered.find("templates"), std::string::npos) << filtered;
    EXPECT_NE(filtered.find("SH.UseLetterSortField"), std::string::npos) << filtered;
    EXPECT_NE(out.find("EMPTY No recorded change matches the filter.\n"), std::string::npos);
    EXPECT_NE(out.find("PRINT Change History - Shop Floor Options | 0 rows"), std::string::npos)
        << out;
}

// The editor says who last changed the record it shows, and says so anew after a save.
TEST_P(MainWindowScript, TheEditorShowsWhoLastChangedTheRecord)
{
    m_language = "EN";
    const auto out = run("show 0\nclick sys9\nrow 3\ntool Modify\ndump changed\n"
                         "cell 2 4 Gift\ntool Save\ndump changed\ntool Ne\ndump changed\n"
                         "tool Exit\nclose\n");
    const auto first = out.find("CHANGED -\n");
    const auto saved = out.find("CHANGED Last changed by 16394 on ");
    ASSERT_NE(first, std::string::npos) << out;
    ASSERT_NE(saved, std::string::npos) << out;
    EXPECT_LT(first, saved);
    EXPECT_NE(out.find("CHANGED -\n", saved), std::string::npos) << "the next record: none";
}

TEST_P(MainWindowScript, ARefusedKanbanValueLeavesTheOtherPagesUsable)
{
    const auto out = run("show 0\n"
                         "click sys22\n"
                         "option VideotexRefreshTime 0\n"
                         "click sys5\n"
                         "dump title\n"
                         "option POOrderPushExchangeRate 0\n"
                         "dump options\n"
                         "close\n");
    EXPECT_NE(
        out.find(
            "MSG Tessel提示 | 图形刷新时间(分钟)必须大于零！\n[采购系统选项]:\n采购系统选项\n"),
        std::string::npos)
        << out;
    EXPECT_NE(out.find("POOrderPushExchangeRate|采购订单下推时携带汇率||"), std::string::npos)
        << out;
    EXPECT_EQ(out.find("VideotexRefreshTime"), std::string::npos) << out;
    EXPECT_EQ(m_exitCode, 0) << out;
}

TEST_P(MainWindowScript, TheRoundingAccountIsCheckedLikeEveryAccountNumber)
{
    // sys7: the inventory calculation parameters.
    const auto out = run("show 0\nclick sys7\noption RoundingAccount 9999\n"
                         "option RoundingAccount 660101\ndump options\nclose\n");
    EXPECT_NE(out.find("MSG Tessel提示 | 输入的数据不正确。在科目表中找不到对应的项。\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("RoundingAccount|尾差转入科目代码|660101|"), std::string::npos) << out;
}

TEST_P(MainWindowScript, ReplacementNounIsJudgedByTheProposedName)
{
    const auto out = run("show 0\n"
                         "click sys3\n"
                         "option Item4Name 库存物料\n"
                         "option Item4Name 物料\n"
                         "dump options\n"
                         "close\n");
    EXPECT_NE(out.find("MSG Tessel提示 | 替换存货名称的字符长度不能大于2个汉字！\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("Item4Name|替换存货名称|物料|\n"), std::string::npos) << out;
}

TEST_P(MainWindowScript, RejectedCheckBringsTheSelectionBackToQuality)
{
    const auto out = run("show 0\n"
                         "click sys13\n"
                         "option QMCheckDecimal 11\n"
                         "click sys5\n"
                         "dump tree\n"
                         "close\n");
    EXPECT_NE(out.find("sys13\t质量系统选项\t13*\n"), std::string::npos) << out;
}

TEST_P(MainWindowScript, OverallOptionsAreStoredAsTheyAreTicked)
{
    const auto out =
        run("show 0\n"
            "click sys3\n"
            "dump checks\n"
            "check mlv43 on\n"
            "check mlv2 off\n"
            "check mlv23 on\n"
            "check mlv36 off\n"
            "check mlv9 on\n"
            "check mlv9 off\n"
            "check mlv45 on\n"
            "sql select FCategory, FKey, FValue from t_SystemProfile where FKey in "
            "('ApplyMapInSale','SingleMan','FRaiseError','AutoPPBOMWSW','StoredByOrder') "
            "order by FKey\n"
            "click sys5\n"
            "check mlv1 on\n"
            "close\n");
    // Amounts are accounted on the demo account, so the stock-amount entry is the fourth.
    EXPECT_NE(out.find("mlv3|使用双计量单位|"), std::string::npos) << out;
    EXPECT_NE(out.find("|\nmlv4|金额在仓存可见|"), std::string::npos) << out;
    EXPECT_NE(out.find("mlv40|登录系统时，给与保质期预警|on|\n"), std::string::npos) << out;
    EXPECT_NE(out.find("mlv43|在销售系统中使用物料对应表|off|\n"), std::string::npos) << out;
    EXPECT_NE(out.find("MSG Tessel提示 | 存在着未审核且未关联生产任务单的生产领料或产品入库单"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("FCategory\tFKey\tFValue\n"
                       "IC\tApplyMapInSale\t1\n"
                       "SH\tAutoPPBOMWSW\t0\n"
                       "ARAP\tFRaiseError\t1\n"
                       "General\tSingleMan\t0\n"
                       "IC\tStoredByOrder\t0\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("ERROR 13: no overall option \"mlv1\" is shown\n"), std::string::npos)
        << out;
}

TEST_P(MainWindowScript, StockAmountEntryNeedsAmountAccounting)
{
    const auto out = run("sql update t_SystemProfile set FValue='0' where FKey='AuditChoice'\n"
                         "show 0\nclick sys3\ndump checks\nclose\n");
    EXPECT_EQ(out.find("金额在仓存可见"), std::string::npos) << out;
    EXPECT_NE(out.find("mlv3|使用双计量单位|off|\nmlv5|"), std::string::npos) << out;
}

TEST_P(MainWindowScript, EditorLinesEditARecordAndTheListShowsIt)
{
    const auto out = run("show 0\n"
                         "click sys9\n"
                         "row 9\n"
                         "tool Modify\n"
                         "dump editor\n"
                         "cell 2 4 新的备注\n"
                         "tool Save\n"
                         "close\n"
                         "dump grid\n"
                         "close\n");
    EXPECT_EQ(m_exitCode, 0) << out;
    EXPECT_NE(out.find("TITLE 单据类型\nTABS 广告赠送|选项|\nROW 1 代码|U02|editable|\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("|1002|U02|广告赠送|660101|新的备注|\n"), std::string::npos) << out;
}

TEST_P(MainWindowScript, RuleLinesEditTheNumberingOfABill)
{
    const auto out = run("show 0\n"
                         "click sys2\n"
                         "row 2\n"
                         "tool Modify\n"
                         "rule 1 2 WX\n"
                         "rule 1 1 没有这一项\n"
                         "box chkUseRule off\n"
                         "dump rules\n"
                         "dump editor\n"
                         "close\n"
                         "close\n");
    EXPECT_NE(out.find("1: 自定义 | WX | 2 |"), std::string::npos) << out;
    EXPECT_NE(out.find("ERROR 6: rule cell 1 1 does not take \"没有这一项\"\n"), std::string::npos)
        << out;
    EXPECT_NE(out.find("\nNEXT WX"), std::string::npos) << out;
    EXPECT_NE(out.find("BOX chkUseRule off enabled\nBOX chkHandEdit on enabled\n"),
              std::string::npos)
        << out;
}

TEST_P(MainWindowScript, ARuleSavedInEnglishIsStoredInTheAccountsWordsAndShownInEnglish)
{
    m_language = "EN";
    const auto out = run("show 0\nclick sys2\nrow 6\ntool Modify\nrule 1 2 WX\ntool Save\n"
                         "dump editor\ndump rules\ntool Exit\ndump grid\nclose\n");
    EXPECT_EQ(m_account->value("SELECT FDesc FROM ICBillNo WHERE FBillID=21"), "WX+仓库+00001");
    EXPECT_NE(out.find("TABS [Sales Delivery] Numbering Rule|"), std::string::npos) << out;
    EXPECT_NE(out.find("2: Warehouse | Code |"), std::string::npos) << out;
    EXPECT_NE(out.find("|Sales Delivery|WX+Warehouse+00001|"), std::string::npos) << out;
}

TEST_P(MainWindowScript, PresetBillTypesAreShownInTheLoginsLanguageAndUsersAsTyped)
{
    m_language = "CHT";
    const auto out = run("show 0\nclick sys9\ndump grid\nclose\n");
    EXPECT_NE(out.find("|1|01|普通||系統預設|\n"), std::string::npos) << out;
    EXPECT_NE(out.find("|1001|U01|研发领用|660201|研发部门领用材料|\n"), std::string::npos) << out;
}

// find filters the tree as typing into the search box does, dump find prints the matches
// as the find command does (or what the window says when nothing matches), next clicks
// the node of the next match, and find alone shows every node again.
TEST_P(MainWindowScript, FindFiltersTheTreeAndNextGoesFromMatchToMatch)
{
    const auto out = run("show 0\nfind 显示所有单据表头\ndump tree\ndump find\nnext\n"
                         "dump title\nnext\ndump title\nfind zzqx\ndump find\ndump tree\nnext\n"
                         "find\ndump tree\nclose\n");
    EXPECT_EQ(m_exitCode, 1) << out;
    EXPECT_TRUE(out.starts_with("sys3\t供应链整体选项\t3\n"
                                "node\tcaption\tkey\tvalue\n"
                                "sys3\t显示所有单据表头\tShowAllBillHead\t1\n"
                                "[供应链整体选项]:\n[供应链整体选项]:\n"
                                "没有找到“zzqx”。\n"
                                "ERROR 12: no match to go to\n"
                                "sys1\t系统设置\t1\n"))
        << out;
    EXPECT_NE(out.find("sys3\t供应链整体选项\t3*\n"), std::string::npos) << out;
    EXPECT_NE(out.find("sys13\t质量系统选项\t13\n"), std::string::npos) << out;

    m_language = "EN";
    EXPECT_EQ(run("show 0\nfind BILL TYPES\ndump find\nfind zzqx\ndump find\nclose\n"),
              "node\tcaption\tkey\tvalue\n"
              "sys9\tBill Types\t\t\n"
              "sys19\tShow subcontract bill types\tShowSubcontractBillType\t1\n"
              "No parameter matches \"zzqx\".\n");
}

TEST_P(MainWindowScript, TheSupplyChainPagePrintsItsOverallOptionsToo)
{
    const auto out = run("show 0\nclick sys3\nmenu File.Preview\nclose\n");
    EXPECT_NE(out.find("  选项|值|\n  期末结账时检查未记账的单据|√|\n"), std::string::npos) << out;
    EXPECT_NE(out.find("  替换存货名称|存货|"), std::string::npos) << "and the options below\n"
                                                                   << out;
}

TEST_P(MainWindowScript, AGroupNodeShowsNothingOfTheNodeBeforeIt)
{
    const auto out = run("show 3\nclick au22\ndump grid\nclick All2\ndump grid\ndump toolbar\n"
                         "close\n");
    EXPECT_NE(out.find("机构代码|类别|期间|开始日期|\n"), std::string::npos) << out;
    // The group's list is empty: its toolbar follows the calendar's last period.
    EXPECT_NE(out.find("||12|2026-12-01|\nNew hidden enabled\nModify visible disabled\n"),
              std::string::npos)
        << out;
}

// Every class opens on the demo account and every node of its tree can be clicked, with
// a title for each and no error.
TEST_P(MainWindowScript, EveryNodeOfEveryClassOpens)
{
    for (int sysClass = 0; sysClass <= 5; ++sysClass) {
        const auto tree = run("show " + std::to_string(sysClass) + "\ndump tree\nclose\n");
        ASSERT_EQ(m_exitCode, 0) << tree;
        std::string script = "show " + std::to_string(sysClass) + "\n";
        std::istringstream lines(tree);
        int nodes = 0;
        for (std::string line; std::getline(lines, line);) {
            const auto start = line.find_first_not_of(' ');
            const auto tab = line.find('\t');
            if (start == std::string::npos || tab == std::string::npos)
                continue;
            script += "click " + line.substr(start, tab - start) + "\ndump title\n";
            ++nodes;
        }
        script += "close\n";
        const auto out = run(script);
        EXPECT_EQ(m_exitCode, 0) << "class " << sysClass << "\n" << out;
        EXPECT_EQ(out.find("ERROR"), std::string::npos) << out;
        EXPECT_GT(nodes, 0) << "class " << sysClass;
    }
}

} // namespace

// A list shown again after the script changed the language has its headings in the new one.
TEST_P(MainWindowScript, ListHeadingsFollowALanguageChangeWhileTheWindowIsOpen)
{
    const auto out = run("show 0\nclick sys9\ndump grid\nlang EN\nclick sys4\nclick sys9\n"
                         "dump grid\nclose\n");
    EXPECT_EQ(m_exitCode, 0) << out;
    const auto chinese = out.find("||代码|名称|科目代码|备注|\n");
    const auto english = out.find("||Code|Name|Account code|Note|\n");
    ASSERT_NE(chinese, std::string::npos) << out;
    ASSERT_NE(english, std::string::npos) << out;
    EXPECT_LT(chinese, english);
}

INSTANTIATE_TEST_SUITE_P(Engines, MainWindowScript,
                         ::testing::Values(test::Engine::File, test::Engine::Server),
                         [](const auto &info) { return test::engineName(info.param); });
