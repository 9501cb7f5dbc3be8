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
