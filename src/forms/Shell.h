#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace orvan::forms {

class Form;

// Runs forms modally. The GUI shows each form's view as a modal dialog; tests and the
// script runner drive the form from code.
class Shell
{
public:
    virtual ~Shell();

    // Loads the form, shows it modally until it closes, then unloads it.
    virtual void runModal(Form &form) = 0;
    // Lets the user interface catch up during long work (repaint, progress).
    virtual void yield() {}
};

// Runs a form without a display: load, activate, then the driver queued for the form's
// name (which plays the user), then unload. A form without a driver is closed at once.
// Every form run is recorded by name.
class ScriptedShell : public Shell
{
public:
    using Driver = std::function<void(Form &)>;

    void runModal(Form &form) override;
    void yield() override { ++m_yields; }

    void queueDriver(std::string formName, Driver driver);
    const std::vector<std::string> &formsRun() const { return m_formsRun; }
    int yields() const { return m_yields; }

private:
    std::deque<std::pair<std::string, Driver>> m_drivers;
    std::vector<std::string> m_formsRun;
    int m_yields = 0;
};

// The process's shell; a ScriptedShell until one is installed.
Shell &shell();
void setShell(std::shared_ptr<Shell> service);

} // namespace orvan::forms
