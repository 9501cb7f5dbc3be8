#include "forms/Messages.h"

#include <iostream>

namespace orvan::forms {
namespace {

std::shared_ptr<Messages> &currentService()
{
    static std::shared_ptr<Messages> service = std::make_shared<ConsoleMessages>();
    return service;
}

} // namespace

Messages::~Messages() = default;

Answer defaultAnswer(const Message &message)
{
    if (message.buttons == Buttons::YesNo || message.buttons == Buttons::YesNoCancel)
        return Answer::Yes;
    return Answer::Ok;
}

Answer showMessage(const std::string &title, const std::string &text, Buttons buttons, Icon icon)
{
    return messages().show({MessageWindow::Box, title, text, buttons, icon});
}

Answer showSuiteMessage(const std::string &title, const std::string &text, SuiteStyle style)
{
    Message message{MessageWindow::Suite, title, text, Buttons::YesNo, Icon::Question};
    if (style == SuiteStyle::Notice) {
        message.buttons = Buttons::Ok;
        message.icon = Icon::Information;
    } else if (style == SuiteStyle::Warning) {
        message.icon = Icon::Warning;
    }
    return messages().show(message);
}

Answer ScriptedMessages::show(const Message &message)
{
    Answer answer = defaultAnswer(message);
    if (message.asks() && !m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
    }
    const auto kind = message.window == MessageWindow::Suite ? ShownMessage::Kind::SuiteMsgBox
                                                             : ShownMessage::Kind::MsgBox;
    m_shown.push_back({kind, message.title, message.text, message.buttons, message.icon, answer});
    return answer;
}

Answer ConsoleMessages::show(const Message &message)
{
    std::cerr << "[" << message.title << "] " << message.text << "\n";
    return defaultAnswer(message);
}

Messages &messages()
{
    return *currentService();
}

void setMessages(std::shared_ptr<Messages> service)
{
    currentService() = service ? std::move(service) : std::make_shared<ConsoleMessages>();
}

MessagesScope::MessagesScope(std::shared_ptr<Messages> service)
    : m_previous(currentService())
{
    setMessages(std::move(service));
}

MessagesScope::~MessagesScope()
{
    currentService() = std::move(m_previous);
}

} // namespace orvan::forms
