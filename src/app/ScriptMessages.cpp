#include "app/ScriptMessages.h"

#include <ostream>

namespace orvan::app {
namespace {

bool asksQuestion(int style)
{
    const int buttons = style & 0x0F;
    return buttons != forms::MsgStyle::OkOnly;
}

} // namespace

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
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer == 1;
}

int ScriptMessages::msgBox(const std::string &text, int style, const std::string &title)
{
    print(title, text);
    if (!asksQuestion(style))
        return forms::MsgAnswer::Ok;
    const bool yes = nextAnswerIsYes();
    const int buttons = style & 0x0F;
    if (buttons == forms::MsgStyle::OkCancel)
        return yes ? forms::MsgAnswer::Ok : forms::MsgAnswer::Cancel;
    return yes ? forms::MsgAnswer::Yes : forms::MsgAnswer::No;
}

int ScriptMessages::suiteMsgBox(const std::string &title, const std::string &text, int style)
{
    print(title, text);
    if (style != 1 && style != 2)
        return forms::SuiteAnswerYes;
    return nextAnswerIsYes() ? forms::SuiteAnswerYes : 0;
}

} // namespace orvan::app
