#include "gui/QtShell.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

#include "forms/Form.h"
#include "gui/ActionGuard.h"

namespace orvan::gui {

std::map<std::string, QtShell::ViewFactory> &QtShell::views()
{
    static std::map<std::string, ViewFactory> registered;
    return registered;
}

void QtShell::registerView(const std::string &formName, ViewFactory factory)
{
    views()[formName] = std::move(factory);
}

void QtShell::runModal(forms::Form &form)
{
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
