// The record commands of the maintenance window: Add, Delete and Close, and the record
// editor run for Add and Modify.
#include "base/Error.h"
#include "component/ProcessState.h"
#include "component/Translation.h"
#include "db/SqlText.h"
#include "editor/EditorState.h"
#include "editor/RecordEditor.h"
#include "forms/Messages.h"
#include "forms/Shell.h"
#include "mainwindow/MaintenanceWindow.h"
#include "mainwindow/RecordKeys.h"
#include "params/NodeTable.h"
#include "params/ProfileStore.h"

namespace orvan::mainwindow {

namespace NodeKey = params::NodeKey;
namespace {

using component::TranslateText;

// Add and Delete reload only the lists whose records they change.
std::string reloadSqlOf(const std::string &key)
{
    return key == NodeKey::VoucherGroups || key == NodeKey::BillTypes ? refreshSql(key)
                                                                      : std::string();
}

void inform(const char *text)
{
    forms::showMessage(component::messageTitle(), TranslateText(text));
}

bool readsTrue(const db::RecordsetPtr &rows)
{
    return rows && !rows->isEOF() && rows->Fields(0).Value().toDouble() != 0;
}

} // namespace

void MaintenanceWindow::runEditor(bool addNew)
{
    auto &values = editor::editorState();
    values.currentRow = currentRow;
    values.addingNew = addNew;
    if (!addNew)
        values.previousRow = 0;
    editor::RecordEditor dialog;
    forms::shell().runModal(dialog);
}

void MaintenanceWindow::addRecord()
{
    const auto &values = editor::editorState();
    const bool refreshOnExit = values.refreshOnExit != 0;
    if (!refreshOnExit && !menus.item("View.Refresh").checked) {
        editor::RecordEditor::ShowMessage(TranslateText("有关数据需要刷新,请按F9先刷新再新增!"),
                                          values.showErrors);
        return;
    }
    const auto key = component::processState().currentNodeKey;
    base::tryStep([&] { buildRecordKeys(key); });
    runEditor(true);
    reloadAfterChange(reloadSqlOf(key), false);
    notifyChanged();
}

void MaintenanceWindow::deleteRecord()
{
    if (list.currentRow() <= 1) {
        inform("没有选定记录。");
        return;
    }
    if (forms::showSuiteMessage(TranslateText("提示"), TranslateText("确定是否删除当前记录"),
                                forms::SuiteStyle::Question) != forms::Answer::Yes)
        return;
    std::string reloadSql;
    try {
        if (!deleteSelectedRecord(component::processState().currentNodeKey, reloadSql))
            return;
    } catch (const base::Error &) {
        // What the database already did stays; the list is not reloaded.
        return;
    }
    reloadAfterChange(reloadSql, true);
    notifyChanged();
}

// Deletes the record of the selected row by the key the record-key list holds for it
// (the bill type's FID, the voucher group's FGroupID). False when the record may not go.
bool MaintenanceWindow::deleteSelectedRecord(const std::string &key, std::string &reloadSql)
{
    const auto id = m_recordKeys.keyOfRow(list.currentRow());
    if (key != NodeKey::BillTypes && key != NodeKey::VoucherGroups)
        return true;
    if (id.isEmpty() || id.isNull())
        return false;
    const auto idText = db::sqlNumber(id.toLong());
    if (key == NodeKey::BillTypes) {
        if (readsTrue(params::executeOnAccount("SELECT FSystemIC FROM ICBillType WHERE FID = " +
                                               idText))) {
            inform("系统预设的单据类型不能删除。");
            return false;
        }
        if (readsTrue(params::executeOnAccount(
                "SELECT count(*) from ICStockBill WHERE FBillTypeID=" + idText))) {
            inform("该单据类型已被使用，不能删除。");
            return false;
        }
        params::executeOnAccount("delete ICBillType where FID=" + idText);
    } else {
        params::executeOnAccount("delete t_Vouchergroup where FGroupId=" + idText);
    }
    reloadSql = reloadSqlOf(key);
    return true;
}

// Reloads the list after Add or Delete when the editor's refresh-on-exit option (or the
// Refresh menu's mark) asks for it.
void MaintenanceWindow::reloadAfterChange(const std::string &sql, bool afterDelete)
{
    const bool wanted =
        editor::editorState().refreshOnExit != 0 || menus.item("View.Refresh").checked;
    if (sql.empty() || !wanted)
        return;
    base::tryStep([&] {
        if (afterDelete)
            list.setCurrentRow(2);
        long count = 0;
        m_detail.TakeJournalData(sql, nullptr, count);
        list.refresh();
    });
    const auto &key = component::processState().currentNodeKey;
    if (afterDelete && key == NodeKey::VoucherGroups)
        renumberVoucherGroups();
    // The record keys follow the rows the list now shows.
    base::tryStep([&] { buildRecordKeys(key); });
}

void MaintenanceWindow::closeWindow()
{
    if (optionPageVisible && optionControl)
        base::tryStep([this] { optionControl->LeavePage(); });
    if (!lastCheckRejected)
        close();
}

} // namespace orvan::mainwindow
