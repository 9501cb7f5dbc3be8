#include <gtest/gtest.h>

#include "forms/Messages.h"

using namespace orvan::forms;

TEST(ScriptedMessages, AnswersFromTheQueueThenByDefaultAndRecordsInOrder)
{
    ScriptedMessages messages;
    messages.queueAnswer(MsgAnswer::No);
    EXPECT_EQ(messages.msgBox("保存吗?", MsgStyle::YesNo + MsgStyle::Question, "Tessel提示"),
              MsgAnswer::No);
    EXPECT_EQ(messages.msgBox("again?", MsgStyle::YesNo, "t"), MsgAnswer::Yes);
    EXPECT_EQ(messages.msgBox("done", MsgStyle::Information, "t"), MsgAnswer::Ok);
    EXPECT_EQ(messages.suiteMsgBox("t", "suite", 0), SuiteAnswerYes);
    messages.queueAnswer(0);
    EXPECT_EQ(messages.suiteMsgBox("t", "ask", 1), 0);

    ASSERT_EQ(messages.shown().size(), 5u);
    EXPECT_EQ(messages.shown()[0].text, "保存吗?");
    EXPECT_EQ(messages.shown()[0].style, 36);
    EXPECT_EQ(messages.shown()[3].kind, ShownMessage::Kind::SuiteMsgBox);
    EXPECT_EQ(messages.shown()[4].answer, 0);
}

TEST(Messages, ProcessServiceCanBeReplacedAndRestored)
{
    auto scripted = std::make_shared<ScriptedMessages>();
    setMessages(scripted);
    messages().msgBox("x", 0, "t");
    EXPECT_EQ(scripted->shown().size(), 1u);
    setMessages(nullptr);
    EXPECT_EQ(dynamic_cast<ScriptedMessages *>(&messages()), nullptr);
}
