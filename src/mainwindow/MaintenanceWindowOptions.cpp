// The supply-chain overall option list of the maintenance window.
#include "component/ProcessState.h"
#include "mainwindow/MaintenanceWindow.h"
#include "params/NodeTable.h"

namespace orvan::mainwindow {

namespace NodeKey = params::NodeKey;

void MaintenanceWindow::fillOverallOptions()
{
    const auto &state = component::processState();
    if (state.currentNodeKey != NodeKey::SupplyChainOptions && state.sysClass != 0)
        return;
    m_overallOptions.fill(overallOptionList);
}

// The list shares the supply-chain options node with the general page of the option control: the
// check boxes under the item title, the page's other options below them. Every other node has the
// list out of view.
void MaintenanceWindow::placeOverallOptions(const std::string &key)
{
    overallOptionList.left = key == NodeKey::SupplyChainOptions ? 0 : ListOutOfView;
    overallOptionList.visible = key == NodeKey::SupplyChainOptions;
    // A window that opened elsewhere (the class of all parameters) fills the list the
    // first time it is shown.
    if (overallOptionList.visible && overallOptionList.items.empty())
        m_overallOptions.fill(overallOptionList);
}

bool MaintenanceWindow::toggleOverallOption(const std::string &itemKey, bool checked)
{
    const bool taken = m_overallOptions.toggle(overallOptionList, itemKey, checked);
    notifyChanged();
    return taken;
}

void MaintenanceWindow::overallOptionsPopup()
{
    menus.item("Popup.Add").enabled = false;
    menus.item("Popup.Delete").enabled = false;
    menus.item("Popup.Modify").enabled = true;
    popupShown = true;
    notifyChanged();
}

} // namespace orvan::mainwindow
