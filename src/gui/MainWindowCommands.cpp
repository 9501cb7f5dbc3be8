#include "gui/MainWindowCommands.h"

#include <QApplication>
#include <QFontDialog>
#include <QMessageBox>

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

// The account file the connection string names, else the whole connection string.
QString accountInUse()
{
    const auto &connect = component::processState().connectString;
    const auto dataSource = component::parseConnectionString(connect).dataSource;
    return qt(dataSource.empty() ? connect : dataSource);
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

void QtHelpViewer::show(const forms::HelpTopic &topic)
{
    QString text = qt(component::TranslateText("帮助主题 %1")).arg(topic.helpId);
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
