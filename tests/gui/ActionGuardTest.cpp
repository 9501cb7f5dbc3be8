// The one guard between the views and the forms: what a failed action tells the user and
// standard error, and what the views do after it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include <memory>
#include <stdexcept>
#include <string>

#include "GuiFixture.h"
#include "base/Error.h"
#include "component/ProcessState.h"
#include "component/Translation.h"
#include "forms/Form.h"
#include "forms/Messages.h"
#include "forms/Printer.h"
#include "gui/ActionGuard.h"
#include "gui/FormDialog.h"
#include "gui/OptionSheetView.h"

namespace orvan::test {
namespace {

class ActionGuardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qtApplication();
        component::ProcessState::reset();
        component::resetLanguageResources();
        forms::setMessages(messages);
    }

    void TearDown() override
    {
        forms::setMessages(nullptr);
        component::ProcessState::reset();
    }

    // The texts of the messages shown so far.
    std::vector<std::string> shownTexts() const
    {
        std::vector<std::string> texts;
        for (const auto &message : messages->shown())
            texts.push_back(message.text);
        return texts;
    }

    std::shared_ptr<forms::ScriptedMessages> messages = std::make_shared<forms::ScriptedMessages>();
};

// Fails every action whose switch is on.
class FailingForm : public forms::Form
{
public:
    std::string formName() const override { return "frmFailing"; }
    void activate() override
    {
        if (failActivate)
            throw std::runtime_error("activation failed");
    }
    void keyDown(int keyCode, int) override
    {
        keys.push_back(keyCode);
        throw base::Error(base::ErrorNumber::InvalidProcedureCall, "按键失败");
    }
    bool queryClose() override
    {
        if (failClose)
            throw base::Error(base::ErrorNumber::Overflow, "保存失败");
        return true;
    }

    bool failActivate = true;
    bool failClose = true;
    std::vector<int> keys;
};

class ThrowingPrinter : public forms::Printer
{
public:
    void print(const forms::PrintDocument &, forms::PrintMode) override
    {
        throw std::runtime_error("no paper");
    }
};

TEST_F(ActionGuardTest, AFailedActionIsOneMessageAndOneLineOnStandardError)
{
    EXPECT_TRUE(gui::guarded([] {}));
    EXPECT_TRUE(messages->shown().empty());

    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(gui::guarded(
        [] { throw base::Error(base::ErrorNumber::TypeMismatch, "类型不匹配\n第二行"); }));
    const auto written = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(written, "orvan-sysmaintain: an action failed: 类型不匹配 第二行\n");
    ASSERT_EQ(messages->shown().size(), 1u);
    const auto &shown = messages->shown().front();
    EXPECT_EQ(shown.text, "操作失败：类型不匹配\n第二行");
    EXPECT_EQ(shown.title, component::messageTitle());
    EXPECT_EQ(shown.icon, forms::Icon::Warning);

    EXPECT_FALSE(gui::guarded([] { throw std::out_of_range("index 7"); }));
    EXPECT_FALSE(gui::guarded([] { throw 42; }));
    EXPECT_EQ(shownTexts(), (std::vector<std::string>{"操作失败：类型不匹配\n第二行",
                                                      "操作失败：index 7", "操作失败：未知错误"}));
}

TEST_F(ActionGuardTest, AChangeTheAccountRefusedIsToldAfterAnActionThatWentOn)
{
    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(gui::guarded([] {
        base::tryStep([] {
            throw base::Error::accountUnavailable(base::AccountFailure::Busy, 1,
                                                  "database is locked");
        });
    }));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "orvan-sysmaintain: a change was not saved: database is locked\n");
    EXPECT_EQ(shownTexts(),
              std::vector<std::string>{
                  "账套未被修改：账套正被其他程序修改，本次修改未保存，请稍后再试。"});
    EXPECT_TRUE(gui::guarded([] {}));
    EXPECT_EQ(messages->shown().size(), 1u) << "told once";
}

TEST_F(ActionGuardTest, AnActionInsideAnotherIsToldOnce)
{
    bool outerFinished = false;
    EXPECT_TRUE(gui::guarded([&outerFinished] {
        gui::guarded([] { throw std::runtime_error("inner"); });
        outerFinished = true;
    }));
    EXPECT_TRUE(outerFinished);
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"操作失败：inner"});
}

TEST_F(ActionGuardTest, AFormDialogOutlivesItsFormsFailuresAndStaysOpenWhenCloseFails)
{
    FailingForm form;
    gui::FormDialog dialog(form);
    ::testing::internal::CaptureStderr();
    dialog.show();
    for (int pass = 0; pass < 5; ++pass)
        QApplication::processEvents();
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"操作失败：activation failed"});

    QKeyEvent f5(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &f5);
    EXPECT_EQ(form.keys, std::vector<int>{116});
    EXPECT_EQ(messages->shown().size(), 2u);

    // A form that could not answer keeps its window: it may hold unsaved changes.
    EXPECT_FALSE(dialog.close());
    EXPECT_TRUE(dialog.isVisible());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &escape);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(messages->shown().size(), 4u);
    EXPECT_EQ(messages->shown().back().text, "操作失败：保存失败");
    ::testing::internal::GetCapturedStderr();

    form.failClose = false;
    EXPECT_TRUE(dialog.close());
    EXPECT_FALSE(dialog.isVisible());
}

class GuardedWindowTest : public GuiFixture
{};

TEST_F(GuardedWindowTest, AFailedPrintIsToldAndTheWindowGoesOn)
{
    show(0);
    view->chooseNode("sys9");
    ASSERT_EQ(window->selectedKey(), "sys9");
    messages->clear();
    forms::setPrinter(std::make_shared<ThrowingPrinter>());
    ::testing::internal::CaptureStderr();
    view->pressToolButton("PrintView");
    const auto written = ::testing::internal::GetCapturedStderr();
    forms::setPrinter(nullptr);
    EXPECT_EQ(written, "orvan-sysmaintain: an action failed: no paper\n");
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_EQ(messages->shown().front().text, "操作失败：no paper");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the wait cursor is gone";

    view->chooseNode("sys3");
    EXPECT_EQ(window->selectedKey(), "sys3");
    EXPECT_EQ(view->shownContent(), view->optionPage());
}

} // namespace
} // namespace orvan::test
