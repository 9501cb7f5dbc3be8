#pragma once

#include <deque>
#include <iosfwd>

#include "forms/Messages.h"

namespace orvan::app {

// Message boxes of a script run: each is printed as "MSG <title> | <text>" (line breaks
// inside the text written as \n); questions take the next queued answer (1 = Yes,
// anything else No; Yes when none is queued), notices take none.
class ScriptMessages : public forms::Messages
{
public:
    explicit ScriptMessages(std::ostream &out);

    int msgBox(const std::string &text, int style, const std::string &title) override;
    int suiteMsgBox(const std::string &title, const std::string &text, int style) override;

    void queueAnswer(int answer) { m_answers.push_back(answer); }

    // The text with CR LF, CR and LF written as \n.
    static std::string oneLine(const std::string &text);

private:
    bool nextAnswerIsYes();
    void print(const std::string &title, const std::string &text);

    std::ostream &m_out;
    std::deque<int> m_answers;
};

} // namespace orvan::app
