#include <gtest/gtest.h>

#include <stdlib.h>

#include <memory>
#include <string>

#include "base/Dictionary.h"
#include "base/PendingError.h"
#include "component/ComponentRegistry.h"
#include "component/ProcessState.h"
#include "db/ProcedureCatalog.h"
#include "forms/Help.h"
#include "forms/Messages.h"
#include "forms/Printer.h"
#include "forms/Shell.h"
#include "support/ProcessSandbox.h"
#include "support/ScopedEnvironment.h"

using namespace orvan;

namespace {

const char *const Variable = "ORVAN_SANDBOX_PROBE";

std::string environmentValue(const char *name)
{
    const char *value = ::getenv(name);
    return value ? value : "<unset>";
}

// Everything a test may leave behind.
void dirtyTheProcess()
{
    auto &state = component::processState();
    state.sysClass = 3;
    state.currentNodeKey = "sys9";
    component::ComponentRegistry::instance().add(
        "Left.Behind", [] { return std::make_shared<base::Dictionary>(); });
    db::ProcedureCatalog::instance().add("p_LeftBehind", {}, [](db::ProcedureCall &) {});
    base::PendingError::raise(base::Error(13, "Type mismatch"));
    forms::setMessages(std::make_shared<forms::ScriptedMessages>());
    forms::setShell(std::make_shared<forms::ScriptedShell>());
    forms::setPrinter(std::make_shared<forms::ScriptedPrinter>());
    forms::setHelpViewer(std::make_shared<forms::RecordedHelp>());
}

void expectFreshProcess(const forms::Shell &shellLeft, const forms::Printer &printerLeft)
{
    const auto &state = component::processState();
    EXPECT_EQ(state.sysClass, 0);
    EXPECT_EQ(state.currentNodeKey, "");
    EXPECT_FALSE(component::ComponentRegistry::instance().contains("Left.Behind"));
    EXPECT_FALSE(db::ProcedureCatalog::instance().contains("p_LeftBehind"));
    EXPECT_FALSE(base::PendingError::current().isSet());
    EXPECT_EQ(dynamic_cast<forms::ScriptedMessages *>(&forms::messages()), nullptr);
    EXPECT_NE(&forms::shell(), &shellLeft);
    EXPECT_NE(&forms::printer(), &printerLeft);
    EXPECT_EQ(dynamic_cast<forms::RecordedHelp *>(&forms::helpViewer()), nullptr);
}

} // namespace

TEST(ProcessSandbox, StartsAndLeavesAFreshProcess)
{
    dirtyTheProcess();
    const forms::Shell *shellLeft = &forms::shell();
    const forms::Printer *printerLeft = &forms::printer();
    {
        test::ProcessSandbox sandbox;
        expectFreshProcess(*shellLeft, *printerLeft);
        dirtyTheProcess();
        shellLeft = &forms::shell();
        printerLeft = &forms::printer();
    }
    expectFreshProcess(*shellLeft, *printerLeft);
}

TEST(ProcessSandbox, RegistersTheLayersComponentsOnEntryAndKeepsThemOnExit)
{
    static int resets = 0;
    resets = 0;
    test::ProcessSandbox::Layers layers;
    layers.registerComponents = [](component::ComponentRegistry &registry) {
        registry.add("Stand.In", [] { return std::make_shared<base::Dictionary>(); });
    };
    layers.resets = {[] { ++resets; }};
    {
        test::ProcessSandbox sandbox(layers);
        EXPECT_TRUE(component::ComponentRegistry::instance().contains("Stand.In"));
        EXPECT_EQ(resets, 1);
        component::ComponentRegistry::instance().remove("Stand.In");
    }
    EXPECT_TRUE(component::ComponentRegistry::instance().contains("Stand.In"));
    EXPECT_EQ(resets, 2);
    component::ComponentRegistry::instance().clear();
}

TEST(ScopedEnvironment, VariablesGetTheValueTheyHadBeforeTheFirstChange)
{
    ::setenv(Variable, "before", 1);
    {
        test::ScopedEnvironment environment;
        environment.set(Variable, "first");
        environment.set(Variable, "second");
        EXPECT_EQ(environmentValue(Variable), "second");
        environment.unset(Variable);
        EXPECT_EQ(environmentValue(Variable), "<unset>");
    }
    EXPECT_EQ(environmentValue(Variable), "before");

    ::unsetenv(Variable);
    {
        test::ProcessSandbox sandbox;
        sandbox.setEnv(Variable, "");
        EXPECT_EQ(environmentValue(Variable), "");
    }
    EXPECT_EQ(environmentValue(Variable), "<unset>") << "an empty value is not an absent one";
}
