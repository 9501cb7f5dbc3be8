#include "gui/QtMessages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "component/Translation.h"
#include "gui/ViewTexts.h"

namespace orvan::gui {
namespace {

QMessageBox::Icon iconOf(forms::Icon icon)
{
    switch (icon) {
    case forms::Icon::Critical:
        return QMessageBox::Critical;
    case forms::Icon::Question:
        return QMessageBox::Question;
    case forms::Icon::Warning:
        return QMessageBox::Warning;
    case forms::Icon::Information:
        return QMessageBox::Information;
    case forms::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The buttons of a message; the first is the default one.
QList<QMessageBox::StandardButton> buttonsOf(forms::Buttons buttons)
{
    switch (buttons) {
    case forms::Buttons::OkCancel:
        return {QMessageBox::Ok, QMessageBox::Cancel};
    case forms::Buttons::YesNoCancel:
        return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    case forms::Buttons::YesNo:
        return {QMessageBox::Yes, QMessageBox::No};
    case forms::Buttons::Ok:
        break;
    }
    return {QMessageBox::Ok};
}

forms::Answer answerOf(int button)
{
    switch (button) {
    case QMessageBox::Cancel:
        return forms::Answer::Cancel;
    case QMessageBox::Yes:
        return forms::Answer::Yes;
    case QMessageBox::No:
        return forms::Answer::No;
    default:
        return forms::Answer::Ok;
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

forms::Answer QtMessages::show(const forms::Message &message)
{
    return answerOf(runBox(iconOf(message.icon), titleOf(message.title), message.text,
                           buttonsOf(message.buttons), 0));
}

} // namespace orvan::gui
