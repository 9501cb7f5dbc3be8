#include "gui/MainWindowCommands.h"

#include <QApplication>
#include <QFile>
#include <QFontDialog>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>

#include "base/DataFiles.h"
#include "base/Text.h"
#include "component/ConnectionString.h"
#include "component/LoginContext.h"
#include "component/ProcessState.h"
#include "component/Translation.h"
#include "gui/ViewTexts.h"
#include "mainwindow/MaintenanceWindow.h"

namespace orvan::gui {
namespace {

std::string loginValue(const char *name)
{
    return component::processState().loginProps.value(name).text();
}

} // namespace

// The account the connection string names, without any password.
QString accountInUse()
{
    return qt(component::accountShownAs(component::processState().connectString));
}

QString userInUse()
{
    const auto user = loginValue("UserName");
    return qt(user.empty() ? loginValue("UserID") : user);
}

std::optional<QFont> askFont(const QFont &current, QWidget *parent)
{
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, current, parent);
    if (!chosen)
        return std::nullopt;
    return font;
}

void showAboutBox(QWidget *parent)
{
    const QString text =
        QStringLiteral("<p><b>OrvanSysMaintain</b></p><p>%1</p><p>%2<br>%3</p>")
            .arg(qt(component::TranslateText("版本 %1")).arg(QStringLiteral(ORVAN_VERSION)),
                 qt(component::TranslateText("账套：%1")).arg(accountInUse().toHtmlEscaped()),
                 qt(component::TranslateText("用户：%1")).arg(userInUse().toHtmlEscaped()));
    QMessageBox box(QMessageBox::Information, qt(component::TranslateText("关于")), text,
                    QMessageBox::Ok, parent);
    box.setTextFormat(Qt::RichText);
    box.exec();
}

// The help page of a node in the login's language, from the help file the program
// ships (data/help/help.json: per node key, a simplified-Chinese and an English text;
// traditional Chinese is converted from the simplified); the "default" page for a node
// without its own; "" without a help file.
QString helpPageText(const std::string &nodeKey)
{
    static const QJsonObject pages = [] {
        QFile file(QString::fromStdString(base::dataDirectory() + "/help/help.json"));
        if (!file.open(QIODevice::ReadOnly))
            return QJsonObject();
        return QJsonDocument::fromJson(file.readAll()).object();
    }();
    const auto key = QString::fromStdString(nodeKey);
    const auto page = (pages.contains(key) ? pages.value(key) : pages.value("default")).toObject();
    const bool english = base::upperCase(component::LoginLanguage()) == "EN";
    if (english && page.contains(QStringLiteral("EN")))
        return page.value(QStringLiteral("EN")).toString();
    return qt(component::TranslateText(page.value(QStringLiteral("chs")).toString().toStdString()));
}

void QtHelpViewer::show(const forms::HelpTopic &topic)
{
    QString text = helpPageText(component::processState().currentNodeKey);
    if (!text.isEmpty())
        text += QStringLiteral("\n\n");
    text += qt(component::TranslateText("帮助主题 %1")).arg(topic.helpId);
    if (!topic.helpName.empty())
        text += QStringLiteral("\n") + qt(topic.helpName);
    if (!topic.helpSystem.empty())
        text += QStringLiteral("\n") +
                qt(component::TranslateText("帮助系统：%1")).arg(qt(topic.helpSystem));
    QMessageBox box(QMessageBox::Information, qt(component::TranslateText("帮助")), text,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

} // namespace orvan::gui
