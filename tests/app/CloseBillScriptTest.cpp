#include <gtest/gtest.h>

#include "support/ProgramSandbox.h"
#include "support/ScriptRun.h"

using namespace orvan;

namespace {

// Every flow runs on an account file and on a server account.
class CloseBillScript : public ::testing::TestWithParam<test::Engine>
{
protected:
    void SetUp() override
    {
        if (GetParam() == test::Engine::Server)
            ORVAN_REQUIRE_TEST_SERVER();
        m_account = std::make_unique<test::EngineAccount>(GetParam());
    }

    // The output of one script run in a fresh process.
    std::string run(const std::string &script, int userId = 16394)
    {
        const auto ran = test::runScript(
            *m_account, "UserID=" + std::to_string(userId) + ";SubID=;LANGUAGE=chs;", script);
        m_exitCode = ran.exitCode;
        return ran.output;
    }

    std::unique_ptr<test::EngineAccount> m_account;
    test::ProgramSandbox m_sandbox;
    int m_exitCode = -1;
};

} // namespace

TEST_P(CloseBillScript, CloseReportsTheDemoBillsThenReopenAndReconcile)
{
    const auto out = run("closebill\n"
                         "dump dialog\n"
                         "tool Close\n"
                         "dump dialog\n"
                         "tool Reconcile\n");
    EXPECT_EQ(m_exitCode, 0) << out;
    EXPECT_NE(out.find("Close enabled\nReopen disabled\n"), std::string::npos) << out;
    EXPECT_NE(out.find("关账失败"), std::string::npos) << out;
    EXPECT_NE(out.find("RETURN 118"), std::string::npos) << out;
}

TEST_P(CloseBillScript, ClosingAllowedByTheOptionsThenReopened)
{
    m_account->run("UPDATE t_SystemProfile SET FValue='1' WHERE FCategory='IC' "
                   "AND FKey IN ('NotVerBillToClose','NotGetCreToClose')");
    const auto out = run("closebill\n"
                         "tool Close\n"
                         "dump dialog\n"
                         "tool Reopen\n"
                         "dump dialog\n"
                         "tool Nothing\n"
                         "tool Exit\n");
    EXPECT_EQ(out, "MSG Tessel提示 | 关账成功！\n"
                   "Close disabled\nReopen enabled\nReconcile enabled\nExit enabled\n"
                   "MSG Tessel提示 | 反关账成功！\n"
                   "Close enabled\nReopen disabled\nReconcile enabled\nExit enabled\n"
                   "ERROR 6: no button \"Nothing\" can be pressed\n"
                   "RETURN 0\n");
    EXPECT_EQ(m_exitCode, 1);
}

TEST_P(CloseBillScript, UserWithoutTheRightGetsTheRefusal)
{
    const auto out = run("closebill\n", 16395);
    EXPECT_EQ(out, "MSG Tessel提示 | 对不起，您没有相应的权限！\nRETURN 0\n");
}

INSTANTIATE_TEST_SUITE_P(Engines, CloseBillScript,
                         ::testing::Values(test::Engine::File, test::Engine::Server),
                         [](const auto &info) { return test::engineName(info.param); });
