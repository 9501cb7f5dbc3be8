// Node selection of the maintenance window: the node click, the content switch, the
// record-key list, the list's rows and View > Refresh.
#include "mainwindow/frmSysMainInface.h"

#include "base/Error.h"
#include "component/LoginContext.h"
#include "component/ProcessState.h"
#include "component/Translation.h"
#include "db/SqlText.h"
#include "editor/EditorState.h"
#include "forms/Messages.h"
#include "mainwindow/MainWindowHooks.h"
#include "mainwindow/NodeTables.h"
#include "mainwindow/PeriodList.h"
#include "params/NodeCatalog.h"
#include "params/ProfileStore.h"
#include "params/tvwSysBuilder.h"

namespace orvan::mainwindow {
namespace {

using base::tryStep;
using component::TranslateText;

bool isCountedList(const std::string &key)
{
    return key == "sys9" || key == "sys4" || key == "sys2" || key == "sys1";
}

bool isLicensedEdition()
{
    std::string edition;
    tryStep([&] { edition = component::ScanLoginProp("OrvanVersion"); });
    return edition == "ZSE" || edition == "ZEE";
}

} // namespace

void frmSysMainInface::selectAndClick(const std::string &key)
{
    if (!tvwBase.find(key))
        return;
    m_selectedKey = key;
    tvwBase.ensureVisible(key);
    nodeClick(key);
}

void frmSysMainInface::nodeClick(const std::string &key)
{
    if (const auto *node = tvwBase.find(key))
        clickNode(*node);
}

void frmSysMainInface::clickNode(const forms::TreeNode &node)
{
    if (node.key == m_lastClickedKey || m_busy)
        return;
    m_lastClickedKey = node.key;
    m_busy = true;
    mousePointer = HourglassPointer;
    const double start = m_clock();
    try {
        switchContent(node.key);
        loadNodeRows(node);
        if (component::processState().g_strCurrentKey == "au22")
            showPeriodList();
        showLoadTime(start);
        showItemTitle(node);
    } catch (const std::exception &error) {
        reportClickError(error.what());
    }
    mousePointer = 0;
    m_busy = false;
    notifyChanged();
}

void frmSysMainInface::reportClickError(const std::string &description)
{
    mousePointer = 0;
    m_busy = false;
    forms::messages().msgBox(description, 64, component::messageTitle());
}

void frmSysMainInface::loadNodeRows(const forms::TreeNode &node)
{
    auto &state = component::processState();
    const auto kind = params::detailKindOf(node.key);
    if (const auto code = setCodeOf(node.key)) {
        state.g_strSetCode = *code;
        if (node.key == "sys2" && mainWindowHooks().refreshBillOptions)
            mainWindowHooks().refreshBillOptions(*this);
    }
    m_detail.GetTitleInfo(kind, node.tag);
    std::string sql;
    params::tvwSysBuilder().GetDetailSql(kind, node.tag, sql);
    if (!sql.empty())
        loadList(sql);
    // Voucher groups are deleted by the id their row holds: keep the keys with the rows.
    if (node.key == "au3")
        buildRecordKeys(node.key);
}

void frmSysMainInface::loadList(const std::string &sql)
{
    ldgBase.setCurrentRow(2);
    long count = 0;
    m_detail.TakeJournalData(sql, nullptr, count);
    // The first data row is current once the rows are there.
    ldgBase.setCurrentRow(2);
    ldgBase.refresh();
}

void frmSysMainInface::showLoadTime(double start)
{
    const double elapsed = m_clock() - start;
    if (auto *panel = sbStatusBar.panel("Passtime"))
        panel->text = TranslateText("取数据时间: ") + loadTimeText(elapsed);
}

void frmSysMainInface::showItemTitle(const forms::TreeNode &node)
{
    const auto &key = node.key;
    if (isCountedList(key) && key != "sys3" && key != "au2" &&
        key.find("All") == std::string::npos) {
        SSPTitleItem.caption = "[" + node.caption + TranslateText("]----共计：") +
                               std::to_string(ldgBase.rowCount() - 1) + TranslateText("条记录");
        return;
    }
    SSPTitleItem.caption = "[" + node.caption + "]:";
}

void frmSysMainInface::switchContent(const std::string &key)
{
    ctrl1Visible = false;
    ctrlCost1Visible = false;
    component::processState().g_strCurrentKey = key;
    if (!leaveOptionPage())
        return;
    placeOverallOptions(key);
    if (!showNodeContent(key))
        return;
    if (const char *title = classTitleOf(key)) {
        SSPTitleClass.caption = TranslateText(title);
        if (key.starts_with("au") || key == "All1" || key == "All2" || key == "pL1") {
            optionPageVisible = false;
            ctrl1Visible = ctrlCost1Visible = false;
        }
    }
    if (key.find("alarm") != std::string::npos && !showAlarmPage(key))
        return;
    applyRecordCommands(key);
}

// Ends the editing of the shown option page; false when its last change was rejected and
// the selection went back to the quality options.
bool frmSysMainInface::leaveOptionPage()
{
    if (!optionPageVisible || component::processState().g_lngSysClass == 4)
        return true;
    if (CtlICSysPro)
        CtlICSysPro->LeavePage();
    if (!lastCheckRejected)
        return true;
    if (tvwBase.find("sys13"))
        m_selectedKey = "sys13";
    return false;
}

bool frmSysMainInface::showNodeContent(const std::string &key)
{
    if (key == "sys17") {
        if (isLicensedEdition())
            return true;
        for (const char *button : {"New", "Delete", "Modify"})
            tbToolBar.button(button).visible = false;
        for (const char *item : {"Edit.Modify", "Edit.Delete", "Edit.Add"})
            menus.item(item).enabled = false;
        showOptionPage(17);
        return false;
    }
    if (key == "sys7" || key == "sys10") {
        showCalculationControl(key == "sys10");
    } else if (key == "sys1" || key == "sys2" || key == "sys4" || key == "sys9") {
        showLedger(key);
    } else if (const auto page = optionPageOf(key)) {
        if (key == "sys3")
            ldgBaseVisible = false;
        showOptionPage(*page);
    }
    return true;
}

void frmSysMainInface::showOptionPage(int32_t pageCode)
{
    ctrl1Visible = ctrlCost1Visible = false;
    optionPageVisible = true;
    optionPageCode = pageCode;
    if (!CtlICSysPro)
        return;
    CtlICSysPro->setPageCode(pageCode);
    CtlICSysPro->ShowPage();
}

void frmSysMainInface::showCalculationControl(bool cost)
{
    optionPageVisible = false;
    ctrl1Visible = !cost;
    ctrlCost1Visible = cost;
    if (!cost)
        ldgBaseVisible = false;
    auto &control = cost ? ctrlCost1 : ctrl1;
    if (control)
        control->LoadParameters();
}

void frmSysMainInface::showLedger(const std::string &key)
{
    optionPageVisible = false;
    ctrl1Visible = ctrlCost1Visible = false;
    ldgBaseVisible = true;
    buildRecordKeys(key);
}

// Alarm nodes: the root shows the page without a category; a row ("alarm" + category +
// "|" + number) sets the category and the user first. False for the root.
bool frmSysMainInface::showAlarmPage(const std::string &key)
{
    ctrl1Visible = ctrlCost1Visible = false;
    optionPageVisible = true;
    optionPageCode = 12;
    if (CtlICSysPro)
        CtlICSysPro->setPageCode(12);
    const auto row = key.substr(std::min<std::size_t>(5, key.size()));
    if (row == "1")
        return false;
    alarmCategory = row.substr(0, row.find('|'));
    if (CtlICSysPro) {
        CtlICSysPro->setAlarmCategory(alarmCategory);
        CtlICSysPro->setAlarmUser(component::CurrentUserID());
        CtlICSysPro->ShowPage();
    }
    return true;
}

void frmSysMainInface::applyRecordCommands(const std::string &key)
{
    const auto commands = recordCommandsOf(key);
    auto apply = [](const std::optional<bool> &value, bool &target) {
        if (value)
            target = *value;
    };
    apply(commands.newButton, tbToolBar.button("New").visible);
    apply(commands.deleteButton, tbToolBar.button("Delete").visible);
    apply(commands.modifyButton, tbToolBar.button("Modify").visible);
    apply(commands.editAdd, menus.item("Edit.Add").enabled);
    apply(commands.editDelete, menus.item("Edit.Delete").enabled);
    apply(commands.editModify, menus.item("Edit.Modify").enabled);
    if (commands.popupCommands) {
        for (const char *item : {"Popup.Add", "Popup.Delete", "Popup.Modify"})
            menus.item(item).enabled = true;
    }
}

void frmSysMainInface::buildRecordKeys(const std::string &key)
{
    if (auto keys = readRecordKeys(key)) {
        m_recordKeys = std::move(*keys);
        auto &values = editor::editorState();
        values.g_arrRowKeys.assign(m_recordKeys.lower, m_recordKeys.keys);
        if (key == "pL1") {
            values.g_lngDemandTimeLimit = m_recordKeys.demandTimeLimit;
            values.g_lngPlanTimeLimit = m_recordKeys.planTimeLimit;
            values.g_lngTimeZoneCount = m_recordKeys.timeZoneCount;
        }
    }
}

std::vector<std::string> frmSysMainInface::rowText(int row)
{
    const auto &key = component::processState().g_strCurrentKey;
    std::string text;
    if (row == 1)
        m_detail.TRowData(1, text);
    else if (row == ldgBase.rowCount() && (key == "pL1" || key == "au21"))
        text = footerText(key);
    else if (key == "au22")
        text = row >= 2 && row - 2 < static_cast<int>(m_periodRows.size())
                   ? m_periodRows[static_cast<std::size_t>(row - 2)]
                   : std::string();
    else
        m_detail.DRowData(row, text);
    return commands::SysDetail::cellsOf(text);
}

void frmSysMainInface::modify()
{
    const auto &key = component::processState().g_strCurrentKey;
    if (isOptionOrGroupNode(key) || ldgBase.currentRow() == 0)
        return;
    currentRow = ldgBase.currentRow();
    // The editor pages through the rows the list shows now, whichever way the node was
    // reached.
    tryStep([&] { buildRecordKeys(key); });
    runEditor(false);
    const auto sql = refreshSql(key, true);
    if (!sql.empty())
        loadList(sql);
    Timer1.enabled = true;
    notifyChanged();
}

void frmSysMainInface::timerFired()
{
    Timer1.enabled = false;
    if (currentRow != 0)
        m_detail.TakeSelection(true, currentRow);
    notifyChanged();
}

void frmSysMainInface::gridPopup()
{
    const auto offered = popupCommandsOf(component::processState().g_strCurrentKey);
    menus.item("Popup.Add").enabled = offered.add;
    menus.item("Popup.Delete").enabled = offered.remove;
    menus.item("Popup.Modify").enabled = offered.modify;
    popupShown = true;
    notifyChanged();
}

void frmSysMainInface::refreshList()
{
    const auto &key = component::processState().g_strCurrentKey;
    const auto sql = refreshSql(key);
    if (sql.empty())
        return;
    loadList(sql);
    if (key == "au3") {
        renumberVoucherGroups();
        tryStep([&] { buildRecordKeys(key); });
    }
    notifyChanged();
}

// Numbers the voucher groups 1, 2, ... in the order the list shows them.
void frmSysMainInface::renumberVoucherGroups()
{
    auto rows = m_detail.recordset();
    if (!rows)
        return;
    std::vector<std::string> names;
    tryStep([&] {
        for (rows->MoveFirst(); !rows->isEOF(); rows->MoveNext())
            names.push_back(rows->Fields("FName").Value().text());
    });
    for (std::size_t i = 0; i < names.size(); ++i) {
        tryStep([&] {
            params::executeOnAccount(
                "Update t_Vouchergroup Set FGroupID=" + db::sqlNumber(static_cast<int>(i + 1)) +
                " where FName=" + db::sqlQuote(names[i]));
        });
    }
}

void frmSysMainInface::showPeriodList()
{
    m_periodRows = periodListRows(currentYear);
    ldgBase.setRowCount(static_cast<int>(m_periodRows.size()) + 1);
    ldgBase.refresh();
}

} // namespace orvan::mainwindow
