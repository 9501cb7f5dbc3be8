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

namespace {

const char *buttonName(forms::Answer answer)
{
    switch (answer) {
    case forms::Answer::Ok:
        return "OK";
    case forms::Answer::Cancel:
        return "Cancel";
    case forms::Answer::Yes:
        return "Yes";
    case forms::Answer::No:
        return "No";
    }
    return "?";
}

} // namespace

// The queued answer, else the box's default button (the one Enter takes).
forms::Answer ScriptMessages::nextAnswer(const forms::Message &message)
{
    if (m_answers.empty())
        return forms::defaultAnswer(message);
    const bool yes = m_answers.front();
    m_answers.pop_front();
    if (message.buttons == forms::Buttons::OkCancel)
        return yes ? forms::Answer::Ok : forms::Answer::Cancel;
    return yes ? forms::Answer::Yes : forms::Answer::No;
}

forms::Answer ScriptMessages::show(const forms::Message &message)
{
    print(message.title, message.text);
    if (!message.asks())
        return forms::Answer::Ok;
    const auto answer = nextAnswer(message);
    m_out << "ANSWER " << buttonName(answer) << std::endl;
    return answer;
}

} // namespace orvan::app
