#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "app/ScriptTarget.h"
#include "forms/Shell.h"

namespace orvan::app {

struct ProgramContext;
class ScriptMessages;

// Drives the windows without a display, a line at a time, the way a user would. It is
// the shell of the run: a window opened by a command stays open for the lines that
// follow and receives them, until a line closes it; then the command that opened it
// returns. Every message box is printed; errors are printed as
// "ERROR <line>: <reason>" and make the run fail.
class ScriptRunner : public forms::Shell
{
public:
    ScriptRunner(std::istream &in, std::ostream &out, ProgramContext &context);
    ~ScriptRunner() override;

    // Runs the whole script; returns the exit code (1 when a line failed).
    int run();

    void runModal(forms::Form &form) override;

private:
    struct OpenForm
    {
        forms::Form *form = nullptr;
        std::unique_ptr<ScriptTarget> target;
    };

    // Runs lines until the form on top closes (or, at the top level, until the end).
    void runLines(forms::Form *until);
    void reportUnsavedChange();
    void execute(const ScriptCommand &command);
    bool executeSessionCommand(const ScriptCommand &command);
    void executeOnFrontForm(const ScriptCommand &command);
    void fail(int line, const std::string &reason);

    void login(const std::string &text);
    void language(const std::string &code);
    void show(const ScriptCommand &command);
    void closeFrontForm(const ScriptCommand &command);
    void publishLogin();

    std::istream &m_in;
    std::ostream &m_out;
    ProgramContext &m_context;
    std::shared_ptr<ScriptMessages> m_messages;
    std::vector<OpenForm> m_open;
    std::string m_login;
    std::string m_systemId;
    bool m_printControl = false;
    int m_lineNumber = 0;
    bool m_failed = false;
};

} // namespace orvan::app
