// Node selection of the maintenance window: the node click, the content switch, the
// record-key list, the list's rows and View > Refresh.
#include "mainwindow/MaintenanceWindow.h"

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
#include "params/NodeTable.h"
#include "params/ParameterTree.h"
#include "params/ProfileStore.h"

namespace orvan::mainwindow {

namespace NodeKey = params::NodeKey;
namespace {

using base::tryStep;

// The record lists show how many records they hold.
bool isRecordList(const std::string &key)
{
    const auto *node = params::findNode(key);
    return node && node->content == params::NodeContent::RecordList;
}

// The nodes of the accounting and planning classes take the option pages out of view.
bool hidesOptionPages(const std::string &key)
{
    const auto *node = params::findNode(key);
    return node && (node->classLine == params::ClassLine::Accounting ||
                    node->classLine == params::ClassLine::Planning);
}

bool isLicensedEdition()
{
    return component::isLicensedEdition(component::LoginEdition());
}

} // namespace

void MaintenanceWindow::selectAndClick(const std::string &key)
{
    const auto *node = tree.find(key);
    if (!node)
        return;
    m_selectedKey = key;
    tree.ensureVisible(key);
    clickNode(*node);
}

void MaintenanceWindow::nodeClick(const std::string &key)
{
    if (const auto *node = tree.find(key))
        clickNode(*node);
}

void MaintenanceWindow::clickNode(const forms::TreeNode &node)
{
    if (node.key == m_lastClickedKey || m_busy)
        return;
    keepNodeColumnWidths();
    restoreNodeColumnWidths(node.key);
    m_lastClickedKey = node.key;
    m_busy = true;
    mousePointer = HourglassPointer;
    const double start = m_clock();
    try {
        switchContent(node.key);
        loadNodeRows(node);
        if (component::processState().currentNodeKey == NodeKey::PeriodDates)
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

void MaintenanceWindow::reportClickError(const std::string &description)
{
    mousePointer = 0;
    m_busy = false;
    forms::showMessage(component::messageTitle(), description);
}

void MaintenanceWindow::loadNodeRows(const forms::TreeNode &node)
{
    auto &state = component::processState();
    const auto kind = params::detailKindOf(node.key);
    if (const auto code = setCodeOf(node.key)) {
        state.helpSetCode = *code;
        if (node.key == NodeKey::BillSettings && mainWindowHooks().refreshBillOptions)
            mainWindowHooks().refreshBillOptions(*this);
    }
    const auto *shape = params::findNode(node.key);
    if (!shape || shape->content == params::NodeContent::Group) {
        m_detail.clearColumns(); // a group node has no list of its own
        return;
    }
    m_detail.GetTitleInfo(kind, node.tag);
    std::string sql;
    params::ParameterTree().GetDetailSql(kind, node.tag, sql);
    if (!sql.empty())
        loadList(sql);
    // Voucher groups are deleted by the id their row holds: keep the keys with the rows.
    if (node.key == NodeKey::VoucherGroups)
        buildRecordKeys(node.key);
    else if (!sql.empty() && keysComeWithList(node.key))
        keepRecordKeys(node.key, recordKeysOf(node.key, m_detail.recordset().get()));
}

void MaintenanceWindow::loadList(const std::string &sql)
{
    list.setCurrentRow(2);
    long count = 0;
    m_detail.TakeJournalData(sql, nullptr, count);
    // The first data row is current once the rows are there.
    list.setCurrentRow(2);
    list.refresh();
}

void MaintenanceWindow::showLoadTime(double start)
{
    const double elapsed = m_clock() - start;
    if (auto *panel = statusBar.panel("Passtime"))
        panel->text = m_words("取数据时间: ") + loadTimeText(elapsed, m_words);
}

void MaintenanceWindow::showItemTitle(const forms::TreeNode &node)
{
    const auto &key = node.key;
    if (isRecordList(key)) {
        itemTitle.caption.assign("[")
            .append(node.caption)
            .append(m_words("]----共计："))
            .append(std::to_string(list.rowCount() - 1))
            .append(m_words("条记录"));
        return;
    }
    itemTitle.caption = "[" + node.caption + "]:";
}

void MaintenanceWindow::switchContent(const std::string &key)
{
    calculationControlVisible = false;
    costCalculationControlVisible = false;
    component::processState().currentNodeKey = key;
    if (!leaveOptionPage())
        return;
    placeOverallOptions(key);
    if (!showNodeContent(key))
        return;
    if (const char *title = classTitleOf(key)) {
        classTitle.caption = m_words(title);
        if (hidesOptionPages(key)) {
            optionPageVisible = false;
            calculationControlVisible = costCalculationControlVisible = false;
        }
    }
    if (params::isAlarmKey(key) && !showAlarmPage(key))
        return;
    applyRecordCommands(key);
}

// Ends the editing of the shown option page; false when its last change was rejected and
// the selection went back to the quality options.
bool MaintenanceWindow::leaveOptionPage()
{
    if (!optionPageVisible || component::processState().sysClass == 4)
        return true;
    if (optionControl)
        optionControl->LeavePage();
    if (!lastCheckRejected)
        return true;
    if (tree.find(NodeKey::QualityOptions))
        m_selectedKey = NodeKey::QualityOptions;
    return false;
}

bool MaintenanceWindow::showNodeContent(const std::string &key)
{
    if (key == NodeKey::StoreOptions) {
        if (isLicensedEdition())
            return true;
        for (const char *button : {"New", "Delete", "Modify"})
            toolbar.button(button).visible = false;
        for (const char *item : {"Edit.Modify", "Edit.Delete", "Edit.Add"})
            menus.item(item).enabled = false;
        showOptionPage(17);
        return false;
    }
    const auto *node = params::findNode(key);
    switch (node ? node->content : params::NodeContent::Group) {
    case params::NodeContent::CalculationPage:
        showCalculationControl(key == NodeKey::CostOptions);
        break;
    case params::NodeContent::RecordList:
        showLedger(key);
        break;
    case params::NodeContent::OptionPage:
        if (key == NodeKey::SupplyChainOptions) // the overall option list takes its place
            listVisible = false;
        showOptionPage(node->optionPage);
        break;
    default:
        showGroupNode();
        break;
    }
    return true;
}

// A group node holds nothing of its own: an empty list, not the last node's headings.
void MaintenanceWindow::showGroupNode()
{
    optionPageVisible = calculationControlVisible = costCalculationControlVisible = false;
    listVisible = true;
    list.clear();
    list.setColumnCount(0);
    list.refresh();
}

void MaintenanceWindow::showOptionPage(int32_t pageCode)
{
    calculationControlVisible = costCalculationControlVisible = false;
    optionPageVisible = true;
    optionPageCode = pageCode;
    if (!optionControl)
        return;
    optionControl->setPageCode(pageCode);
    optionControl->ShowPage();
}

void MaintenanceWindow::showCalculationControl(bool cost)
{
    optionPageVisible = false;
    calculationControlVisible = !cost;
    costCalculationControlVisible = cost;
    if (!cost)
        listVisible = false;
    auto &control = cost ? costCalculationControl : calculationControl;
    if (control)
        control->LoadParameters();
}

void MaintenanceWindow::showLedger(const std::string &key)
{
    optionPageVisible = false;
    calculationControlVisible = costCalculationControlVisible = false;
    listVisible = true;
    // Keys that come with the list are taken from its rows once they are loaded; until
    // then, and when the list cannot be read, there are none.
    if (keysComeWithList(key))
        keepRecordKeys(key, RecordKeyList{});
    else
        buildRecordKeys(key);
}

// Alarm nodes: the root shows the page without a category; a row ("alarm" + category +
// "|" + number) sets the category and the user first. False for the root.
bool MaintenanceWindow::showAlarmPage(const std::string &key)
{
    calculationControlVisible = costCalculationControlVisible = false;
    optionPageVisible = true;
    optionPageCode = 12;
    if (optionControl)
        optionControl->setPageCode(12);
    const auto row = key.substr(std::min<std::size_t>(5, key.size()));
    if (row == "1")
        return false;
    alarmCategory = row.substr(0, row.find('|'));
    if (optionControl) {
        optionControl->setAlarmCategory(alarmCategory);
        optionControl->setAlarmUser(component::CurrentUserID());
        optionControl->ShowPage();
    }
    return true;
}

void MaintenanceWindow::applyRecordCommands(const std::string &key)
{
    const auto commands = recordCommandsOf(key);
    auto showButton = [this](const std::optional<bool> &value, const char *name) {
        if (value)
            toolbar.button(name).visible = *value;
    };
    auto enableItem = [this](const std::optional<bool> &value, const char *path) {
        if (value)
            menus.item(path).enabled = *value;
    };
    showButton(commands.newButton, "New");
    showButton(commands.deleteButton, "Delete");
    showButton(commands.modifyButton, "Modify");
    enableItem(commands.editAdd, "Edit.Add");
    enableItem(commands.editDelete, "Edit.Delete");
    enableItem(commands.editModify, "Edit.Modify");
    // Modify does nothing on an option page or a group node: it is not offered there.
    toolbar.button("Modify").enabled = !isOptionOrGroupNode(key);
    if (commands.popupCommands) {
        for (const char *item : {"Popup.Add", "Popup.Delete", "Popup.Modify"})
            menus.item(item).enabled = true;
    }
}

void MaintenanceWindow::buildRecordKeys(const std::string &key)
{
    if (auto keys = readRecordKeys(key))
        keepRecordKeys(key, std::move(*keys));
}

void MaintenanceWindow::keepRecordKeys(const std::string &key, RecordKeyList keys)
{
    m_recordKeys = std::move(keys);
    auto &values = editor::editorState();
    values.rowKeys.assign(m_recordKeys.lower, m_recordKeys.keys);
    if (key == NodeKey::PlanningParameters) {
        values.demandTimeLimit = m_recordKeys.demandTimeLimit;
        values.planTimeLimit = m_recordKeys.planTimeLimit;
        values.timeZoneCount = m_recordKeys.timeZoneCount;
    }
}

std::vector<std::string> MaintenanceWindow::rowText(int row)
{
    const auto &key = component::processState().currentNodeKey;
    std::string text;
    if (row == 1)
        m_detail.TRowData(1, text);
    else if (row == list.rowCount() &&
             (key == NodeKey::PlanningParameters || key == NodeKey::PeriodState))
        text = footerText(key);
    else if (key == NodeKey::PeriodDates)
        text = row >= 2 && row - 2 < static_cast<int>(m_periodRows.size())
                   ? m_periodRows[static_cast<std::size_t>(row - 2)]
                   : std::string();
    else
        m_detail.DRowData(row, text);
    return commands::SysDetail::cellsOf(text);
}

void MaintenanceWindow::modify()
{
    const auto &key = component::processState().currentNodeKey;
    if (isOptionOrGroupNode(key) || list.currentRow() == 0)
        return;
    currentRow = list.currentRow();
    // The editor pages through the rows the list shows now, whichever way the node was
    // reached.
    tryStep([&] { buildRecordKeys(key); });
    runEditor(false);
    const auto sql = refreshSql(key, true);
    if (!sql.empty())
        loadList(sql);
    reselectTimer.enabled = true;
    notifyChanged();
}

void MaintenanceWindow::timerFired()
{
    reselectTimer.enabled = false;
    if (currentRow != 0)
        m_detail.TakeSelection(true, currentRow);
    notifyChanged();
}

void MaintenanceWindow::gridPopup()
{
    const auto offered = popupCommandsOf(component::processState().currentNodeKey);
    menus.item("Popup.Add").enabled = offered.add;
    menus.item("Popup.Delete").enabled = offered.remove;
    menus.item("Popup.Modify").enabled = offered.modify;
    popupShown = true;
    notifyChanged();
}

void MaintenanceWindow::refreshList()
{
    const auto &key = component::processState().currentNodeKey;
    const auto sql = refreshSql(key);
    if (sql.empty())
        return;
    loadList(sql);
    if (key == NodeKey::VoucherGroups) {
        renumberVoucherGroups();
        tryStep([&] { buildRecordKeys(key); });
    }
    notifyChanged();
}

// Numbers the voucher groups 1, 2, ... in the order the list shows them.
void MaintenanceWindow::renumberVoucherGroups()
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

void MaintenanceWindow::showPeriodList()
{
    m_periodRows = periodListRows(currentYear);
    list.setRowCount(static_cast<int>(m_periodRows.size()) + 1);
    list.refresh();
}

} // namespace orvan::mainwindow
