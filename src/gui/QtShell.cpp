#include "gui/QtShell.h"

#include <QApplication>
#include <QDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

#include "base/Text.h"
#include "component/Translation.h"
#include "forms/Form.h"
#include "gui/ActionGuard.h"

namespace orvan::gui {

std::map<std::string, QtShell::ViewFactory> &QtShell::views()
{
    static std::map<std::string, ViewFactory> registered;
    return registered;
}

// Qt's own texts (standard buttons, the file and print dialogs) in the login's language.
void useQtTranslationsOfLogin()
{
    static QTranslator translator;
    static std::string installed = "EN";
    const auto language = base::upperCase(component::LoginLanguage());
    const std::string wanted = language == "CHT" ? "CHT" : (language == "EN" ? "EN" : "CHS");
    if (wanted == installed)
        return;
    QApplication::removeTranslator(&translator);
    installed = wanted;
    if (wanted == "EN")
        return;
    const QString file =
        wanted == "CHT" ? QStringLiteral("qtbase_zh_TW") : QStringLiteral("qtbase_zh_CN");
    if (translator.load(file, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&translator);
}

void QtShell::registerView(const std::string &formName, ViewFactory factory)
{
    views()[formName] = std::move(factory);
}

void QtShell::runModal(forms::Form &form)
{
    useQtTranslationsOfLogin();
    form.load();
    reportUnsavedChange();
    if (!form.closeRequested()) {
        const auto found = views().find(form.formName());
        if (found == views().end()) {
            QMessageBox::warning(
                QApplication::activeWindow(), QStringLiteral("OrvanSysMaintain"),
                QStringLiteral("No view for %1").arg(QString::fromStdString(form.formName())));
        } else {
            auto dialog = found->second(form, QApplication::activeWindow());
            dialog->exec();
        }
    }
    form.unload();
}

void QtShell::yield()
{
    QApplication::processEvents();
}

} // namespace orvan::gui
