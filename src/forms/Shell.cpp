#include "forms/Shell.h"

#include <algorithm>

#include "forms/Form.h"

namespace orvan::forms {
namespace {

std::shared_ptr<Shell> &currentShell()
{
    static std::shared_ptr<Shell> service = std::make_shared<ScriptedShell>();
    return service;
}

} // namespace

Shell::~Shell() = default;

void ScriptedShell::runModal(Form &form)
{
    const auto name = form.formName();
    m_formsRun.push_back(name);
    form.load();
    form.activate();
    const auto found = std::find_if(m_drivers.begin(), m_drivers.end(),
                                    [&name](const auto &entry) { return entry.first == name; });
    if (found != m_drivers.end()) {
        auto driver = std::move(found->second);
        m_drivers.erase(found);
        driver(form);
    }
    form.unload();
}

void ScriptedShell::queueDriver(std::string formName, Driver driver)
{
    m_drivers.emplace_back(std::move(formName), std::move(driver));
}

Shell &shell()
{
    return *currentShell();
}

void setShell(std::shared_ptr<Shell> service)
{
    currentShell() = service ? std::move(service) : std::make_shared<ScriptedShell>();
}

} // namespace orvan::forms
