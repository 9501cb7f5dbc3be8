#include "gui/QtMessages.h"

#include <QApplication>
#include <QMessageBox>

namespace orvan::gui {
namespace {

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

QMessageBox::StandardButtons buttonsOf(int style)
{
    switch (style & 0x0F) {
    case forms::MsgStyle::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case forms::MsgStyle::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case forms::MsgStyle::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    default:
        return QMessageBox::Ok;
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
    default:
        return forms::MsgAnswer::Ok;
    }
}

} // namespace

int QtMessages::msgBox(const std::string &text, int style, const std::string &title)
{
    QMessageBox box(iconOf(style), QString::fromStdString(title), QString::fromStdString(text),
                    buttonsOf(style), QApplication::activeWindow());
    return answerOf(box.exec());
}

int QtMessages::suiteMsgBox(const std::string &title, const std::string &text, int style)
{
    const bool asks = style == 1 || style == 2;
    QMessageBox box(asks ? QMessageBox::Question : QMessageBox::Information,
                    QString::fromStdString(title), QString::fromStdString(text),
                    asks ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok,
                    QApplication::activeWindow());
    const int button = box.exec();
    return (!asks || button == QMessageBox::Yes) ? forms::SuiteAnswerYes : 0;
}

} // namespace orvan::gui
