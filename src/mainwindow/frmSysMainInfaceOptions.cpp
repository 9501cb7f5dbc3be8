// The supply-chain overall option list of the maintenance window.
#include "component/ProcessState.h"
#include "mainwindow/frmSysMainInface.h"

namespace orvan::mainwindow {

void frmSysMainInface::fillOverallOptions()
{
    const auto &state = component::processState();
    if (state.g_strCurrentKey != "sys3" && state.g_lngSysClass != 0)
        return;
    m_overallOptions.fill(ListVSysSet);
}

// The list shares "sys3" with the general page of the option control: the check boxes
// under the item title, the page's other options below them. Every other node has the
// list out of view.
void frmSysMainInface::placeOverallOptions(const std::string &key)
{
    ListVSysSet.left = key == "sys3" ? 0 : ListOutOfView;
    ListVSysSet.visible = key == "sys3";
    // A window that opened elsewhere (the class of all parameters) fills the list the
    // first time it is shown.
    if (ListVSysSet.visible && ListVSysSet.items.empty())
        m_overallOptions.fill(ListVSysSet);
}

bool frmSysMainInface::toggleOverallOption(const std::string &itemKey, bool checked)
{
    const bool taken = m_overallOptions.toggle(ListVSysSet, itemKey, checked);
    notifyChanged();
    return taken;
}

void frmSysMainInface::overallOptionsPopup()
{
    menus.item("Popup.Add").enabled = false;
    menus.item("Popup.Delete").enabled = false;
    menus.item("Popup.Modify").enabled = true;
    popupShown = true;
    notifyChanged();
}

} // namespace orvan::mainwindow
