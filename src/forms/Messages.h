#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace orvan::forms {

// The buttons a message offers.
enum class Buttons { Ok, OkCancel, YesNoCancel, YesNo };
// The icon a message shows.
enum class Icon { None, Critical, Question, Warning, Information };
// The button the user took.
enum class Answer { Ok, Cancel, Yes, No };
// A message box, or the suite's own message window.
enum class MessageWindow { Box, Suite };

struct Message
{
    MessageWindow window = MessageWindow::Box;
    std::string title;
    std::string text;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::Information;

    bool asks() const { return buttons != Buttons::Ok; }
};

// The answer a message gives when the user just confirms it (Enter): Yes for questions,
// else OK.
Answer defaultAnswer(const Message &message);

// Synchronous message windows. The GUI shows real dialogs; tests and scripts answer
// from a queue and keep a record of every message.
class Messages
{
public:
    virtual ~Messages();
    virtual Answer show(const Message &message) = 0;
};

// A message box through the process's service: title, text, then its buttons and icon.
Answer showMessage(const std::string &title, const std::string &text, Buttons buttons = Buttons::Ok,
                   Icon icon = Icon::Information);

// The suite message window: a notice with OK, or a question answered Yes or No, shown
// with the question icon or as a warning.
enum class SuiteStyle { Notice, Question, Warning };
Answer showSuiteMessage(const std::string &title, const std::string &text,
                        SuiteStyle style = SuiteStyle::Notice);

struct ShownMessage
{
    enum class Kind { MsgBox, SuiteMsgBox };
    Kind kind = Kind::MsgBox;
    std::string title;
    std::string text;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    Answer answer = Answer::Ok;
};

// Answers from a queue (the default answer when it is empty) and records every message
// in order.
class ScriptedMessages : public Messages
{
public:
    Answer show(const Message &message) override;

    void queueAnswer(Answer answer) { m_answers.push_back(answer); }
    const std::vector<ShownMessage> &shown() const { return m_shown; }
    void clear() { m_shown.clear(); }

private:
    std::deque<Answer> m_answers;
    std::vector<ShownMessage> m_shown;
};

// Prints each message on standard error and gives the default answer; used when the
// program runs without a window and no script answers.
class ConsoleMessages : public Messages
{
public:
    Answer show(const Message &message) override;
};

// The process's message service; a ConsoleMessages until one is installed.
Messages &messages();
void setMessages(std::shared_ptr<Messages> service);

// Installs a message service while it lives and puts the previous one back after.
class MessagesScope
{
public:
    explicit MessagesScope(std::shared_ptr<Messages> service);
    ~MessagesScope();
    MessagesScope(const MessagesScope &) = delete;
    MessagesScope &operator=(const MessagesScope &) = delete;

private:
    std::shared_ptr<Messages> m_previous;
};

} // namespace orvan::forms
