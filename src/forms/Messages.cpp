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

int defaultAnswer(int style)
{
    const int buttons = style & 0x0F;
    if (buttons == MsgStyle::YesNo || buttons == MsgStyle::YesNoCancel)
        return MsgAnswer::Yes;
    return MsgAnswer::Ok;
}

int ScriptedMessages::msgBox(const std::string &text, int style, const std::string &title)
{
    const int answer = nextAnswer(defaultAnswer(style));
    m_shown.push_back({ShownMessage::Kind::MsgBox, title, text, style, answer});
    return answer;
}

int ScriptedMessages::suiteMsgBox(const std::string &title, const std::string &text, int style)
{
    const int answer = nextAnswer(SuiteAnswerYes);
    m_shown.push_back({ShownMessage::Kind::SuiteMsgBox, title, text, style, answer});
    return answer;
}

int ScriptedMessages::nextAnswer(int fallback)
{
    if (m_answers.empty())
        return fallback;
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

int ConsoleMessages::msgBox(const std::string &text, int style, const std::string &title)
{
    std::cerr << "[" << title << "] " << text << "\n";
    return defaultAnswer(style);
}

int ConsoleMessages::suiteMsgBox(const std::string &title, const std::string &text, int)
{
    std::cerr << "[" << title << "] " << text << "\n";
    return SuiteAnswerYes;
}

Messages &messages()
{
    return *currentService();
}

void setMessages(std::shared_ptr<Messages> service)
{
    currentService() = service ? std::move(service) : std::make_shared<ConsoleMessages>();
}

} // namespace orvan::forms
