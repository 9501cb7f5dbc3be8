// The program's exit status says what happened: 0 done, 1 failed at run time, 2 the
// words were wrong; and a failure says why on standard error.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/ProgramRun.h"
#include "support/ProgramSandbox.h"
#include "support/ScopedEnvironment.h"
#include "support/TempAccount.h"

using namespace orvan;

namespace {

class CommandStatus : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_sandbox.unsetEnv("ORVAN_LOGIN");
        m_sandbox.setEnv("XDG_CONFIG_HOME", m_account.path() + ".config");
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            m_environment.unset(name);
    }
    void TearDown() override { std::filesystem::remove_all(m_account.path() + ".config"); }

    // Exit status of one run in a fresh process; output and errors keep what it printed.
    int run(std::vector<std::string> arguments, const std::string &login = "UserID=16394;")
    {
        arguments.insert(arguments.begin(), {"--db", m_account.path(), "--login", login});
        const auto ran = test::runProgramLine(std::move(arguments));
        output = ran.output;
        errors = ran.errors;
        return ran.exitCode;
    }

    std::string output;
    std::string errors;
    test::TempAccount m_account;
    test::ProgramSandbox m_sandbox;
    test::ScopedEnvironment m_environment;
};

} // namespace

TEST_F(CommandStatus, WrongWordsExitWithTwoAndHelpWithZero)
{
    EXPECT_EQ(run({"--bogus"}), 2);
    EXPECT_EQ(run({"plans"}), 2) << "a missing subcommand";
    EXPECT_EQ(run({"plans", "adjust", "--by", "never"}), 2);
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_EQ(run({"tree", "--class", "1"}), 0);
}

TEST_F(CommandStatus, AWindowWithoutAnInteractiveDisplayIsRefused)
{
    EXPECT_EQ(run({"gui"}), 2);
    EXPECT_NE(errors.find("no display to open the window on"), std::string::npos) << errors;
    m_environment.set("QT_QPA_PLATFORM", "offscreen");
    EXPECT_EQ(run({"gui"}), 2) << "nobody could close it";
    EXPECT_NE(errors.find("no display"), std::string::npos) << errors;
    EXPECT_EQ(run({"gui", "--screenshot", m_account.path() + ".png", "--size", "639x420"}), 2);
    EXPECT_NE(errors.find("at least 640x420"), std::string::npos) << errors;
    std::filesystem::remove(m_account.path() + ".png");
}

TEST_F(CommandStatus, CloseBillFailsWhenAPressDidNotCloseOrCannotBeMade)
{
    // The demo period has bills that are not audited: the close is refused.
    EXPECT_EQ(run({"close-bill", "--press", "Close"}), 1);
    EXPECT_NE(errors.find("Close did not change the period's state"), std::string::npos) << errors;
    EXPECT_EQ(run({"close-bill", "--press", "Bogus"}), 1);
    EXPECT_NE(errors.find("Bogus cannot be pressed"), std::string::npos) << errors;
    m_account.run("UPDATE t_SystemProfile SET FValue='1' WHERE FCategory='IC' "
                  "AND FKey IN ('NotVerBillToClose','NotGetCreToClose')");
    EXPECT_EQ(run({"close-bill", "--press", "Close", "--press", "Reopen"}), 0) << errors;
}

TEST_F(CommandStatus, AScriptThatCannotBeReadFailsAndSaysWhy)
{
    const auto folder = m_account.path() + ".folder";
    std::filesystem::create_directory(folder);
    EXPECT_EQ(run({"script", folder}), 1);
    EXPECT_NE(errors.find("it is a folder"), std::string::npos) << errors;
    EXPECT_EQ(run({"script", folder + "/none"}), 1);
    std::filesystem::remove(folder);
}

TEST_F(CommandStatus, OptionGetSaysWhyAUserWhoIsNoNumberGetsMinusOne)
{
    EXPECT_EQ(run({"option", "get", "AutoCreateVoucher"}, "UserID=abc;"), 0);
    EXPECT_EQ(output, "-1\n");
    EXPECT_NE(errors.find("UserID \"abc\" is not a number"), std::string::npos) << errors;
    run({"option", "get", "AutoCreateVoucher"});
    EXPECT_EQ(errors.find("is not a number"), std::string::npos) << errors;

    const auto missing = test::runProgramLine(
        {"--db", m_account.path() + ".none", "--lang", "EN", "option", "get", "AutoCreateVoucher"});
    EXPECT_EQ(missing.output, "-1\n");
    EXPECT_NE(missing.errors.find("option get: The account database " + m_account.path() +
                                  ".none cannot be opened: the file does not exist."),
              std::string::npos)
        << missing.errors;
}

TEST_F(CommandStatus, PlansCleanAsksOnlyWhereSomebodyCanAnswer)
{
    // Standard input of a test is no terminal: a script's run goes on without a question.
    EXPECT_EQ(run({"plans", "clean"}), 0) << errors;
    EXPECT_EQ(errors.find("确定删除吗"), std::string::npos) << errors;
    EXPECT_EQ(m_account.value("SELECT COUNT(*) FROM PLMPSPlan"), "0");
    EXPECT_EQ(run({"plans", "clean", "--yes"}), 0) << "nothing left to delete is no failure";
    EXPECT_EQ(run({"plans", "adjust", "--yes"}), 2) << "only a deletion asks";
}
