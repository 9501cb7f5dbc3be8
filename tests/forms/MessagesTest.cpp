#include <gtest/gtest.h>

#include <memory>

#include "forms/Messages.h"

using namespace orvan::forms;

TEST(ScriptedMessages, AnswersFromTheQueueThenByDefaultAndRecordsInOrder)
{
    auto messages = std::make_shared<ScriptedMessages>();
    setMessages(messages);
    messages->queueAnswer(Answer::No);
    EXPECT_EQ(showMessage("Tessel提示", "保存吗?", Buttons::YesNo, Icon::Question), Answer::No);
    EXPECT_EQ(showMessage("t", "again?", Buttons::YesNo), Answer::Yes);
    EXPECT_EQ(showMessage("t", "done"), Answer::Ok);
    EXPECT_EQ(showSuiteMessage("t", "suite"), Answer::Ok);
    messages->queueAnswer(Answer::No);
    EXPECT_EQ(showSuiteMessage("t", "ask", SuiteStyle::Question), Answer::No);
    setMessages(nullptr);

    ASSERT_EQ(messages->shown().size(), 5u);
    EXPECT_EQ(messages->shown()[0].text, "保存吗?");
    EXPECT_EQ(messages->shown()[0].buttons, Buttons::YesNo);
    EXPECT_EQ(messages->shown()[0].icon, Icon::Question);
    EXPECT_EQ(messages->shown()[3].kind, ShownMessage::Kind::SuiteMsgBox);
    EXPECT_EQ(messages->shown()[3].icon, Icon::Information);
    EXPECT_EQ(messages->shown()[4].answer, Answer::No);
}

TEST(ScriptedMessages, NoticesTakeNoQueuedAnswerAndSuiteStylesMapToButtonsAndIcons)
{
    auto messages = std::make_shared<ScriptedMessages>();
    setMessages(messages);
    messages->queueAnswer(Answer::No);
    showSuiteMessage("t", "notice");
    showMessage("t", "box");
    EXPECT_EQ(showSuiteMessage("t", "warning", SuiteStyle::Warning), Answer::No)
        << "the queued answer waits for the first question";
    setMessages(nullptr);
    ASSERT_EQ(messages->shown().size(), 3u);
    EXPECT_EQ(messages->shown()[0].buttons, Buttons::Ok);
    EXPECT_EQ(messages->shown()[2].buttons, Buttons::YesNo);
    EXPECT_EQ(messages->shown()[2].icon, Icon::Warning);
}

TEST(Messages, ProcessServiceCanBeReplacedAndRestored)
{
    auto scripted = std::make_shared<ScriptedMessages>();
    setMessages(scripted);
    showMessage("t", "x");
    EXPECT_EQ(scripted->shown().size(), 1u);
    setMessages(nullptr);
    EXPECT_EQ(dynamic_cast<ScriptedMessages *>(&messages()), nullptr);
}
