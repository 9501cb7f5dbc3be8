#include "gui/GuiHost.h"

#include <QApplication>
#include <QMessageBox>

#include "component/ProcessState.h"
#include "gui/PilotPanelView.h"
#include "gui/PlaceholderWindow.h"
#include "gui/QtMessages.h"
#include "gui/QtShell.h"
#include "gui/ShutBillDialog.h"
#include "suite/HelpTool.h"

namespace orvan::gui {
namespace {

void showHelpTopic(const suite::HelpTopic &topic)
{
    QMessageBox::information(QApplication::activeWindow(), QStringLiteral("Help"),
                             QString::fromStdString(suite::HelpTool::describe(topic)));
}

} // namespace

GuiHost::GuiHost(int &argc, char **argv)
    : m_application(std::make_unique<QApplication>(argc, argv))
{
    QApplication::setApplicationName(QStringLiteral("orvan-sysmaintain"));
    forms::setMessages(std::make_shared<QtMessages>());
    forms::setShell(std::make_shared<QtShell>());
    suite::HelpTool::setPresenter(showHelpTopic);
    registerShutBillView();
    registerPilotPanelView();
    component::processState().hooks.runMaintenanceWindow = [] {
        PlaceholderWindow window;
        window.exec();
    };
}

GuiHost::~GuiHost()
{
    component::processState().hooks.runMaintenanceWindow = nullptr;
    suite::HelpTool::setPresenter(nullptr);
    forms::setShell(nullptr);
    forms::setMessages(nullptr);
}

} // namespace orvan::gui
