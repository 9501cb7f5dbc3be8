#include "app/ScriptRunner.h"

#include <istream>
#include <ostream>

#include "app/ProgramContext.h"
#include "app/ScriptMessages.h"
#include "app/ScriptPrinter.h"
#include "base/Convert.h"
#include "base/Error.h"
#include "base/Text.h"
#include "component/ComponentRegistry.h"
#include "component/LoginContext.h"
#include "component/ProcessState.h"
#include "component/ProgIds.h"
#include "component/SysFace.h"
#include "forms/Form.h"
#include "forms/Help.h"
#include "forms/Messages.h"
#include "suite/ChangeHistory.h"
#include "suite/SharedProps.h"

namespace orvan::app {
namespace {

bool isComment(const std::string &line)
{
    const auto text = base::trim(line);
    return text.empty() || text.front() == '#';
}

bool parseSwitch(const std::string &word, bool &value)
{
    if (base::equalsNoCase(word, "on"))
        value = true;
    else if (base::equalsNoCase(word, "off"))
        value = false;
    else
        return false;
    return true;
}

std::string stripLineEnd(std::string line)
{
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.pop_back();
    return line;
}

} // namespace

ScriptRunner::ScriptRunner(std::istream &in, std::ostream &out, ProgramContext &context)
    : m_in(in)
    , m_out(out)
    , m_context(context)
    , m_messages(std::make_shared<ScriptMessages>(out))
{}

ScriptRunner::~ScriptRunner() = default;

int ScriptRunner::run()
{
    m_context.start();
    suite::setChangeCommand("script"); // the history names the script as what changed a value
    m_login = resolveLogin(m_context.login);
    forms::setMessages(m_messages);
    forms::setPrinter(std::make_shared<ScriptPrinter>(m_out));
    forms::setHelpViewer(std::make_shared<forms::PrintedHelp>(m_out));
    forms::setShell(std::shared_ptr<forms::Shell>(this, [](forms::Shell *) {}));
    runLines(nullptr);
    forms::setShell(nullptr);
    forms::setHelpViewer(nullptr);
    forms::setPrinter(nullptr);
    forms::setMessages(nullptr);
    return m_failed ? 1 : 0;
}

void ScriptRunner::runModal(forms::Form &form)
{
    form.load();
    if (!form.closeRequested()) {
        m_open.push_back({&form, makeScriptTarget(form)});
        form.activate();
        runLines(&form);
        m_open.pop_back();
    }
    form.unload();
}

void ScriptRunner::runLines(forms::Form *until)
{
    for (std::string line;;) {
        reportUnsavedChange();
        if ((until && until->closeRequested()) || !std::getline(m_in, line))
            break;
        ++m_lineNumber;
        line = stripLineEnd(line);
        if (isComment(line))
            continue;
        try {
            execute(ScriptCommand::parse(m_lineNumber, line));
        } catch (const std::exception &error) {
            fail(m_lineNumber, error.what());
        }
    }
    // At the end of the script every window still open is closed, innermost first.
    if (until && !until->closeRequested())
        until->close();
}

// A change that a step of the last line made without telling anyone that the account
// refused it (the window goes on after such a step) fails that line.
void ScriptRunner::reportUnsavedChange()
{
    if (const auto error = base::takeSwallowedAccountError())
        fail(m_lineNumber, "the account was not changed: " + error->description());
}

void ScriptRunner::execute(const ScriptCommand &command)
{
    if (executeSessionCommand(command))
        return;
    if (const auto *handler = findScriptCommand(command.verb)) {
        std::string error;
        if (!(*handler)(command, m_out, error))
            fail(command.line, error);
        return;
    }
    executeOnFrontForm(command);
}

bool ScriptRunner::executeSessionCommand(const ScriptCommand &command)
{
    const auto &verb = command.verb;
    if (verb == "login") {
        login(command.rest);
    } else if (verb == "system") {
        m_systemId = command.rest;
    } else if (verb == "print-control") {
        if (command.args.size() != 1 || !parseSwitch(command.args[0], m_printControl))
            fail(command.line, "print-control takes on or off");
    } else if (verb == "lang") {
        language(command.rest);
    } else if (verb == "answer") {
        if (command.args.size() != 1 || !base::isNumericText(command.args[0]))
            fail(command.line, "answer takes a number (1 = Yes)");
        else
            m_messages->queueAnswer(base::textToLong(command.args[0]) == 1); // 1 = Yes
    } else if (verb == "show") {
        show(command);
    } else if (verb == "close") {
        closeFrontForm(command);
    } else {
        return false;
    }
    return true;
}

void ScriptRunner::executeOnFrontForm(const ScriptCommand &command)
{
    if (m_open.empty()) {
        fail(command.line, "no window is open for \"" + command.verb + "\"");
        return;
    }
    auto &front = m_open.back();
    if (!front.target) {
        fail(command.line, "the window " + front.form->formName() + " takes no script commands");
        return;
    }
    std::string error;
    if (!front.target->run(command, m_out, error))
        fail(command.line, error.empty() ? "unknown command \"" + command.verb + "\"" : error);
}

void ScriptRunner::fail(int line, const std::string &reason)
{
    m_out << "ERROR " << line << ": " << reason << std::endl;
    m_failed = true;
}

void ScriptRunner::login(const std::string &text)
{
    auto login = text;
    const auto given = component::parseLoginPropsText(text);
    if (!given.exists("ConnectString") && m_context.login.database)
        login = component::withLoginProp(login, "ConnectString",
                                         accountConnectString(*m_context.login.database));
    m_login = login;
    publishLogin();
}

void ScriptRunner::language(const std::string &code)
{
    m_login = component::withLoginProp(m_login, "LANGUAGE", code);
    publishLogin();
}

void ScriptRunner::publishLogin()
{
    suite::SharedProps::publishForThisProcess(m_login);
    // The language is read once per process; a script that changes it starts afresh.
    component::processState().language.clear();
}

void ScriptRunner::show(const ScriptCommand &command)
{
    if (command.args.empty() || !base::isNumericText(command.args[0])) {
        fail(command.line, "show takes a class number");
        return;
    }
    const auto itemClass = base::textToLong(command.args[0]);
    const auto classType = command.args.size() > 1 ? base::textToLong(command.args[1]) : 0;
    const auto helpSystem = command.args.size() > 2 ? command.textAfter(2) : std::string();
    auto face = component::ComponentRegistry::instance().createAs<component::SysFace>(
        component::ProgId::SysFace);
    face->SystemID(m_systemId);
    face->m_bPrintControl = m_printControl;
    face->Show(itemClass, classType, helpSystem);
}

void ScriptRunner::closeFrontForm(const ScriptCommand &command)
{
    if (m_open.empty()) {
        fail(command.line, "no window is open to close");
        return;
    }
    auto *form = m_open.back().form;
    if (form->queryClose())
        form->close();
}

} // namespace orvan::app
