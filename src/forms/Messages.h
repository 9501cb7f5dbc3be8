#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace orvan::forms {

// Button and icon codes of a message box, combined by addition.
namespace MsgStyle {
inline constexpr int OkOnly = 0;
inline constexpr int OkCancel = 1;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
} // namespace MsgStyle

// Answers of a message box.
namespace MsgAnswer {
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
} // namespace MsgAnswer

// The suite message window answers 1 for Yes.
inline constexpr int SuiteAnswerYes = 1;

// Synchronous message windows. The GUI shows real dialogs; tests and scripts answer
// from a queue and keep a record of every message.
class Messages
{
public:
    virtual ~Messages();

    // A message box: text, style (MsgStyle codes) and title; returns a MsgAnswer code.
    virtual int msgBox(const std::string &text, int style, const std::string &title) = 0;
    // The suite message window: style 0 shows OK, 1 and 2 ask Yes/No; returns 1 for Yes.
    virtual int suiteMsgBox(const std::string &title, const std::string &text, int style) = 0;
};

struct ShownMessage
{
    enum class Kind { MsgBox, SuiteMsgBox };
    Kind kind = Kind::MsgBox;
    std::string title;
    std::string text;
    int style = 0;
    int answer = 0;
};

// Answers from a queue (the default answer when it is empty: OK, or Yes for questions)
// and records every message in order.
class ScriptedMessages : public Messages
{
public:
    int msgBox(const std::string &text, int style, const std::string &title) override;
    int suiteMsgBox(const std::string &title, const std::string &text, int style) override;

    void queueAnswer(int answer) { m_answers.push_back(answer); }
    const std::vector<ShownMessage> &shown() const { return m_shown; }
    void clear() { m_shown.clear(); }

private:
    int nextAnswer(int fallback);

    std::deque<int> m_answers;
    std::vector<ShownMessage> m_shown;
};

// Prints each message on standard error and gives the default answer; used when the
// program runs without a window and no script answers.
class ConsoleMessages : public Messages
{
public:
    int msgBox(const std::string &text, int style, const std::string &title) override;
    int suiteMsgBox(const std::string &title, const std::string &text, int style) override;
};

// The process's message service; a ConsoleMessages until one is installed.
Messages &messages();
void setMessages(std::shared_ptr<Messages> service);

// The answer a message box gives when the user just confirms it.
int defaultAnswer(int style);

} // namespace orvan::forms
