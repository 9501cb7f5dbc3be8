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

    forms::Answer show(const forms::Message &message) override;

    // A script's answer: true for Yes (OK where the box offers OK and Cancel).
    void queueAnswer(bool yes) { m_answers.push_back(yes); }

    // The text with CR LF, CR and LF written as \n.
    static std::string oneLine(const std::string &text);

private:
    forms::Answer nextAnswer(const forms::Message &message);
    void print(const std::string &title, const std::string &text);

    std::ostream &m_out;
    std::deque<bool> m_answers;
};

} // namespace orvan::app
