#include "gui/QtMessages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "component/Translation.h"
#include "gui/ViewTexts.h"

namespace orvan::gui {
namespace {

// Style codes beyond forms::MsgStyle: the other button sets and the default button.
constexpr int AbortRetryIgnore = 2;
constexpr int RetryCancel = 5;
constexpr int DefaultButtonMask = 0x300;
constexpr int DefaultButtonShift = 8;

// Answers beyond forms::MsgAnswer.
constexpr int AnswerAbort = 3;
constexpr int AnswerRetry = 4;
constexpr int AnswerIgnore = 5;

QMessageBox::Icon iconOf(int style)
{
    switch (style & 0x70) {
    case forms::MsgStyle::Critical:
        return QMessageBox::Critical;
    case forms::MsgStyle::Question:
        return QMessageBox::Question;
    case forms::MsgStyle::Exclamation:
        return QMessageBox::Warning;
    case forms::MsgStyle::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// The buttons of a style, in the order the style's default-button code counts them.
QList<QMessageBox::StandardButton> buttonsOf(int style)
{
    switch (style & 0x0F) {
    case forms::MsgStyle::OkCancel:
        return {QMessageBox::Ok, QMessageBox::Cancel};
    case AbortRetryIgnore:
        return {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore};
    case forms::MsgStyle::YesNoCancel:
        return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    case forms::MsgStyle::YesNo:
        return {QMessageBox::Yes, QMessageBox::No};
    case RetryCancel:
        return {QMessageBox::Retry, QMessageBox::Cancel};
    default:
        return {QMessageBox::Ok};
    }
}

int answerOf(int button)
{
    switch (button) {
    case QMessageBox::Cancel:
        return forms::MsgAnswer::Cancel;
    case QMessageBox::Yes:
        return forms::MsgAnswer::Yes;
    case QMessageBox::No:
        return forms::MsgAnswer::No;
    case QMessageBox::Abort:
        return AnswerAbort;
    case QMessageBox::Retry:
        return AnswerRetry;
    case QMessageBox::Ignore:
        return AnswerIgnore;
    default:
        return forms::MsgAnswer::Ok;
    }
}

QString buttonText(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok:
        return qt(component::TranslateText("确定"));
    case QMessageBox::Cancel:
        return qt(component::TranslateText("取消"));
    case QMessageBox::Yes:
        return qt(component::TranslateText("是"));
    case QMessageBox::No:
        return qt(component::TranslateText("否"));
    case QMessageBox::Abort:
        return viewText("中止(&A)", "&Abort");
    case QMessageBox::Retry:
        return viewText("重试(&R)", "&Retry");
    case QMessageBox::Ignore:
        return viewText("忽略(&I)", "&Ignore");
    default:
        return {};
    }
}

QString titleOf(const std::string &title)
{
    return qt(title.empty() ? component::messageTitle() : title);
}

// A message box with the buttons of the style, in the login's language.
int runBox(QMessageBox::Icon icon, const QString &title, const std::string &text,
           const QList<QMessageBox::StandardButton> &buttons, int defaultIndex)
{
    QMessageBox box(icon, title, qt(text), QMessageBox::NoButton, QApplication::activeWindow());
    for (const auto button : buttons)
        box.addButton(button)->setText(buttonText(button));
    const auto index = static_cast<qsizetype>(std::clamp(defaultIndex, 0, int(buttons.size()) - 1));
    box.setDefaultButton(buttons[index]);
    if (buttons.size() == 1)
        box.setEscapeButton(buttons.front());
    else if (buttons.contains(QMessageBox::Cancel))
        box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    return box.standardButton(box.clickedButton());
}

} // namespace

int QtMessages::msgBox(const std::string &text, int style, const std::string &title)
{
    const int defaultIndex = (style & DefaultButtonMask) >> DefaultButtonShift;
    return answerOf(runBox(iconOf(style), titleOf(title), text, buttonsOf(style), defaultIndex));
}

int QtMessages::suiteMsgBox(const std::string &title, const std::string &text, int style)
{
    const bool asks = style == 1 || style == 2;
    if (!asks) {
        runBox(QMessageBox::Information, titleOf(title), text, {QMessageBox::Ok}, 0);
        return forms::SuiteAnswerYes;
    }
    const int button =
        runBox(QMessageBox::Question, titleOf(title), text, {QMessageBox::Yes, QMessageBox::No}, 0);
    return button == QMessageBox::Yes ? forms::SuiteAnswerYes : 0;
}

} // namespace orvan::gui
