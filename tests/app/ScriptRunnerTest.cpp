#include <gtest/gtest.h>

#include <sstream>

#include "app/ProgramContext.h"
#include "app/ScriptMessages.h"
#include "app/ScriptRunner.h"
#include "base/Error.h"
#include "component/LoginContext.h"
#include "forms/Form.h"
#include "forms/Messages.h"
#include "forms/Shell.h"
#include "support/ProgramSandbox.h"

using namespace orvan;
using namespace orvan::app;

namespace {

// A window that counts clicks, asks a question and dumps its state.
class CounterForm : public forms::Form
{
public:
    std::string formName() const override { return "frmCounter"; }
    int clicks = 0;
};

class CounterTarget : public ScriptTarget
{
public:
    explicit CounterTarget(CounterForm &form)
        : m_form(form)
    {}
    bool run(const ScriptCommand &command, std::ostream &out, std::string &error) override
    {
        if (command.verb == "click") {
            ++m_form.clicks;
            return true;
        }
        if (command.verb == "save") { // a step that goes on after the account refused it
            base::tryStep([] {
                throw base::Error::accountUnavailable(base::AccountFailure::Busy, 1,
                                                      "database is locked");
            });
            return true;
        }
        if (command.verb == "ask") {
            const auto answer =
                forms::showMessage("Tessel提示", "继续吗?\r\n第二行", forms::Buttons::YesNo);
            out << "ANSWER " << (answer == forms::Answer::Yes ? 6 : 7) << "\n";
            return true;
        }
        if (command.verb == "dump" && command.args == std::vector<std::string>{"clicks"}) {
            out << "CLICKS " << m_form.clicks << "\n";
            return true;
        }
        error = "no target " + command.rest;
        return false;
    }

private:
    CounterForm &m_form;
};

// The output of one script run in a fresh process.
std::string runScript(const std::string &script, int &exitCode)
{
    test::ProgramSandbox program;
    ProgramContext context;
    context.login.login = "ConnectString={Provider=SQLite;Data Source=/nonexistent.db};UserID=1;";
    std::istringstream in(script);
    std::ostringstream out;
    ScriptRunner runner(in, out, context);
    exitCode = runner.run();
    return out.str();
}

class ScriptRunnerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registerScriptTarget("frmCounter", [](forms::Form &form) {
            return std::make_unique<CounterTarget>(static_cast<CounterForm &>(form));
        });
        registerScriptCommand("counter",
                              [this](const ScriptCommand &, std::ostream &out, std::string &) {
                                  CounterForm form;
                                  if (refuseAtOpen)
                                      base::tryStep([] {
                                          throw base::Error::accountUnavailable(
                                              base::AccountFailure::ReadOnly, 1, "read-only");
                                      });
                                  forms::shell().runModal(form);
                                  out << "RETURN " << form.clicks << "\n";
                                  ++opened;
                                  return true;
                              });
    }
    int opened = 0;
    bool refuseAtOpen = false;
    test::ProgramSandbox sandbox;
};

} // namespace

TEST_F(ScriptRunnerTest, WindowsReceiveTheFollowingLinesUntilClosed)
{
    int exitCode = -1;
    const auto out = runScript("# a comment\n"
                               "counter\n"
                               "click\n"
                               "  click  \r\n"
                               "dump clicks\n"
                               "close\n"
                               "counter\n"
                               "click\n",
                               exitCode);
    EXPECT_EQ(out, "CLICKS 2\nRETURN 2\nRETURN 1\n");
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(opened, 2);
}

TEST_F(ScriptRunnerTest, QuestionsTakeQueuedAnswersAndMessagesArePrintedOnOneLine)
{
    int exitCode = -1;
    const auto out = runScript("answer 2\ncounter\nask\nask\nanswer 1\nask\nclose\n", exitCode);
    // The runner names the button taken; the window prints what it got (7 No, 6 Yes).
    EXPECT_EQ(out, "MSG Tessel提示 | 继续吗?\\n第二行\nANSWER No\nANSWER 7\n"
                   "MSG Tessel提示 | 继续吗?\\n第二行\nANSWER Yes\nANSWER 6\n"
                   "MSG Tessel提示 | 继续吗?\\n第二行\nANSWER Yes\nANSWER 6\n"
                   "RETURN 0\n");
    EXPECT_EQ(exitCode, 0);
}

TEST_F(ScriptRunnerTest, UnknownCommandsAndMissingTargetsFailTheRun)
{
    int exitCode = -1;
    const auto out =
        runScript("frobnicate\nclose\ncounter\ndump nothing\nanswer yes\nclose\n", exitCode);
    EXPECT_EQ(out, "ERROR 1: no window is open for \"frobnicate\"\n"
                   "ERROR 2: no window is open to close\n"
                   "ERROR 4: no target nothing\n"
                   "ERROR 5: answer takes a number (1 = Yes)\n"
                   "RETURN 0\n");
    EXPECT_EQ(exitCode, 1);
}

TEST_F(ScriptRunnerTest, AChangeTheAccountRefusedFailsItsLineEvenWhenTheWindowWentOn)
{
    int exitCode = -1;
    auto out = runScript("counter\nsave\nclick\ndump clicks\nclose\n", exitCode);
    EXPECT_EQ(out, "ERROR 2: the account was not changed: database is locked\n"
                   "CLICKS 1\nRETURN 1\n");
    EXPECT_EQ(exitCode, 1);

    refuseAtOpen = true; // a write while the window opens
    out = runScript("counter\nclick\nclose\n", exitCode);
    EXPECT_EQ(out, "ERROR 1: the account was not changed: read-only\nRETURN 1\n");
    EXPECT_EQ(exitCode, 1);
}

TEST_F(ScriptRunnerTest, LoginKeepsTheDatabaseOfTheCommandLine)
{
    ProgramContext context;
    context.login.database = "/data/acct.db";
    std::istringstream in("login UserID=7;SubID=cb;\nlang EN\n");
    std::ostringstream out;
    ScriptRunner runner(in, out, context);
    EXPECT_EQ(runner.run(), 0);
    const auto login = component::parseLoginPropsText(component::LoginPropsString());
    EXPECT_EQ(login.value("UserID").text(), "7");
    EXPECT_EQ(login.value("ConnectString").text(), "Provider=SQLite;Data Source=/data/acct.db");
    EXPECT_EQ(login.value("LANGUAGE").text(), "EN");
}

TEST(ScriptCommandParse, WordsAndTextAfterThem)
{
    const auto command = ScriptCommand::parse(3, "  cell 2  3 采购 订单 ");
    EXPECT_EQ(command.verb, "cell");
    EXPECT_EQ(command.args.size(), 4u);
    EXPECT_EQ(command.textAfter(2), "采购 订单 ");
    EXPECT_EQ(command.textAfter(9), "");
    EXPECT_EQ(ScriptMessages::oneLine("a\r\nb\nc\rd"), "a\\nb\\nc\\nd");
}
