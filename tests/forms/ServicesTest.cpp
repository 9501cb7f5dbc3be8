#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "forms/Form.h"
#include "forms/Messages.h"
#include "forms/Printer.h"
#include "forms/Shell.h"

using namespace orvan::forms;

TEST(DefaultAnswer, QuestionsAreConfirmedWithYesAndEverythingElseWithOk)
{
    const auto answer = [](Buttons buttons, Icon icon = Icon::None) {
        return defaultAnswer(Message{MessageWindow::Box, "t", "x", buttons, icon});
    };
    EXPECT_EQ(answer(Buttons::YesNo), Answer::Yes);
    EXPECT_EQ(answer(Buttons::YesNoCancel), Answer::Yes);
    EXPECT_EQ(answer(Buttons::YesNo, Icon::Warning), Answer::Yes);
    EXPECT_EQ(answer(Buttons::Ok), Answer::Ok);
    EXPECT_EQ(answer(Buttons::OkCancel), Answer::Ok);
    EXPECT_EQ(answer(Buttons::Ok, Icon::Critical), Answer::Ok);
    EXPECT_EQ(answer(Buttons::OkCancel, Icon::Information), Answer::Ok);
}

TEST(ScriptedMessages, ClearingTheRecordKeepsTheQueuedAnswers)
{
    ScriptedMessages messages;
    messages.queueAnswer(Answer::No);
    messages.queueAnswer(Answer::Cancel);
    const auto ask = [&messages](const char *text) {
        return messages.show({MessageWindow::Box, "t", text, Buttons::YesNoCancel});
    };
    EXPECT_EQ(ask("first"), Answer::No);
    messages.clear();
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(ask("second"), Answer::Cancel);
    EXPECT_EQ(ask("third"), Answer::Yes);
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].text, "second");
    EXPECT_EQ(messages.shown()[0].title, "t");
    EXPECT_EQ(messages.shown()[0].kind, ShownMessage::Kind::MsgBox);
}

TEST(Printer, JobsAreRecordedUntilAnotherPrinterIsInstalled)
{
    auto recorded = std::make_shared<ScriptedPrinter>();
    setPrinter(recorded);
    printer().print({.title = "凭证字", .headings = {"代码"}, .rows = {{"记"}, {"收"}}},
                    PrintMode::Print);
    ASSERT_EQ(recorded->jobs().size(), 1u);
    EXPECT_EQ(recorded->jobs()[0].document.title, "凭证字");
    EXPECT_EQ(recorded->jobs()[0].document.rows.size(), 2u);
    EXPECT_EQ(recorded->jobs()[0].mode, PrintMode::Print);

    setPrinter(nullptr);
    printer().print({.title = "again"}, PrintMode::Preview);
    EXPECT_EQ(recorded->jobs().size(), 1u);
    auto *standard = dynamic_cast<ScriptedPrinter *>(&printer());
    ASSERT_NE(standard, nullptr);
    EXPECT_EQ(standard->jobs().back().mode, PrintMode::Preview);
}

namespace {

class NamedForm : public Form
{
public:
    explicit NamedForm(std::string name)
        : m_name(std::move(name))
    {}
    std::string formName() const override { return m_name; }

private:
    std::string m_name;
};

} // namespace

TEST(ScriptedShell, DriversOfOneFormAreUsedOncePerRunInOrder)
{
    ScriptedShell shell;
    std::string order;
    shell.queueDriver("frmA", [&order](Form &) { order += "1"; });
    shell.queueDriver("frmA", [&order](Form &) { order += "2"; });
    NamedForm form("frmA");
    shell.runModal(form);
    shell.runModal(form);
    shell.runModal(form);
    EXPECT_EQ(order, "12");
    shell.yield();
    shell.yield();
    EXPECT_EQ(shell.yields(), 2);
}

TEST(Shell, ProcessShellCanBeReplacedAndRestored)
{
    auto installed = std::make_shared<ScriptedShell>();
    setShell(installed);
    NamedForm form("frmB");
    shell().runModal(form);
    EXPECT_EQ(installed->formsRun(), std::vector<std::string>{"frmB"});
    setShell(nullptr);
    shell().runModal(form);
    EXPECT_EQ(installed->formsRun().size(), 1u);
    EXPECT_NE(dynamic_cast<ScriptedShell *>(&shell()), nullptr);
}
