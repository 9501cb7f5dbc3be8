#pragma once

#include <string>
#include <utility>
#include <vector>

#include "base/PendingError.h"
#include "component/ComponentRegistry.h"
#include "component/ProcessState.h"
#include "component/Translation.h"
#include "db/ProcedureCatalog.h"
#include "forms/Help.h"
#include "forms/Messages.h"
#include "forms/Printer.h"
#include "forms/Shell.h"
#include "support/ScopedEnvironment.h"

namespace orvan::test {

// Gives a test a fresh process and leaves one behind. The process values, the pending
// error, the language loaders, the component registry, the account procedures and the
// message, shell, print and help services start as in a new process and are put back so
// when the sandbox goes; environment variables set through it get their old values back. This part
// knows the layers up to the component; SuiteSandbox adds the stand-ins and the values of the
// layers above.
class ProcessSandbox
{
public:
    using Registration = void (*)(component::ComponentRegistry &);
    using Reset = void (*)();

    // What a fresh process has beyond the component layer: the components registered at
    // start-up and the resets of the process-wide values of the layers above.
    struct Layers
    {
        Registration registerComponents = nullptr;
        std::vector<Reset> resets;
    };

    ProcessSandbox()
        : ProcessSandbox(Layers{})
    {}
    explicit ProcessSandbox(Layers layers)
        : m_layers(std::move(layers))
    {
        freshProcess();
    }
    ~ProcessSandbox() { freshProcess(); }
    ProcessSandbox(const ProcessSandbox &) = delete;
    ProcessSandbox &operator=(const ProcessSandbox &) = delete;

    // Sets or removes an environment variable until the sandbox goes.
    void setEnv(const std::string &name, const std::string &value)
    {
        m_environment.set(name, value);
    }
    void unsetEnv(const std::string &name) { m_environment.unset(name); }

private:
    void freshProcess() const
    {
        component::ProcessState::reset();
        base::PendingError::clear();
        component::resetLanguageResources();
        auto &registry = component::ComponentRegistry::instance();
        registry.clear();
        if (m_layers.registerComponents)
            m_layers.registerComponents(registry);
        db::ProcedureCatalog::instance().clear();
        forms::setMessages(nullptr);
        forms::setShell(nullptr);
        forms::setPrinter(nullptr);
        forms::setHelpViewer(nullptr);
        for (const auto reset : m_layers.resets)
            reset();
    }

    Layers m_layers;
    ScopedEnvironment m_environment;
};

} // namespace orvan::test
