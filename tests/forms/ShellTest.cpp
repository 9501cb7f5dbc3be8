#include <gtest/gtest.h>

#include "forms/Form.h"
#include "forms/Shell.h"

using namespace orvan::forms;

namespace {

class TraceForm : public Form
{
public:
    std::string formName() const override { return "frmTrace"; }
    void load() override { trace += "load;"; }
    void activate() override { trace += "activate;"; }
    void unload() override { trace += "unload;"; }
    std::string trace;
};

} // namespace

TEST(ScriptedShell, RunsTheLifecycleAroundTheQueuedDriver)
{
    ScriptedShell shell;
    TraceForm form;
    int changes = 0;
    form.addChangeListener([&changes] { ++changes; });
    shell.queueDriver("frmOther", [](Form &) { FAIL() << "driver of another form"; });
    shell.queueDriver("frmTrace", [](Form &running) {
        static_cast<TraceForm &>(running).trace += "user;";
        running.close();
    });
    shell.runModal(form);
    EXPECT_EQ(form.trace, "load;activate;user;unload;");
    EXPECT_TRUE(form.closeRequested());
    EXPECT_EQ(changes, 1);

    TraceForm second;
    shell.runModal(second);
    EXPECT_EQ(second.trace, "load;activate;unload;");
    EXPECT_EQ(shell.formsRun(), (std::vector<std::string>{"frmTrace", "frmTrace"}));
}
