#include "app/ScriptMessages.h"

#include <ostream>

namespace orvan::app {
ScriptMessages::ScriptMessages(std::ostream &out)
    : m_out(out)
{}

std::string ScriptMessages::oneLine(const std::string &text)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            result += "\\n";
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (text[i] == '\n') {
            result += "\\n";
        } else {
            result += text[i];
        }
    }
    return result;
}

void ScriptMessages::print(const std::string &title, const std::string &text)
{
    m_out << "MSG " << oneLine(title) << " | " << oneLine(text) << std::endl;
}

bool ScriptMessages::nextAnswerIsYes()
{
    if (m_answers.empty())
        return true;
    const bool yes = m_answers.front();
    m_answers.pop_front();
    return yes;
}

forms::Answer ScriptMessages::show(const forms::Message &message)
{
    print(message.title, message.text);
    if (!message.asks())
        return forms::Answer::Ok;
    const bool yes = nextAnswerIsYes();
    if (message.buttons == forms::Buttons::OkCancel)
        return yes ? forms::Answer::Ok : forms::Answer::Cancel;
    return yes ? forms::Answer::Yes : forms::Answer::No;
}

} // namespace orvan::app
