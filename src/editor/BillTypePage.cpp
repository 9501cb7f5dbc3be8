#include "editor/BillTypePage.h"
#include "component/AccountReason.h"

#include "base/Convert.h"
#include "base/Error.h"
#include "base/Text.h"
#include "component/AccountLookup.h"
#include "component/ComponentRegistry.h"
#include "component/ProcessState.h"
#include "component/Translation.h"
#include "db/SqlText.h"
#include "editor/EditorState.h"
#include "editor/RecordEditor.h"
#include "forms/Messages.h"
#include "params/ProfileStore.h"

namespace orvan::editor {

using component::TranslateText;

namespace {

void notify(const std::string &text)
{
    forms::showMessage(component::messageTitle(), text);
}

std::string trimmedText(const db::RecordsetPtr &rows, const char *field)
{
    const auto value = rows->Fields(field).Value();
    return value.isNull() ? std::string() : base::trim(value.text());
}

int32_t currentKey()
{
    const auto &state = editorState();
    return state.rowKeys.at(state.currentRow).toLong();
}

// The account id of the hidden cell as SQL: NULL when there is none.
std::string accountSql(const std::string &text)
{
    const auto number = base::parseNumber(text);
    if (!number || *number == 0)
        return "NULL";
    return db::sqlNumber(base::toLong(*number));
}

} // namespace

BillTypePage::BillTypePage(RecordEditor &editor)
    : m_editor(editor)
{}

void BillTypePage::setUp()
{
    m_editor.caption = TranslateText("单据类型");
    auto &grid = m_editor.grid();
    grid.clearAll();
    grid.setMaxRows(4);
    grid.setText(1, 1, TranslateText("代码"));
    grid.setText(1, 2, TranslateText("名称"));
    grid.setText(1, 3, TranslateText("科目代码"));
    grid.setText(1, 4, TranslateText("备注"));
    if (editorState().addingNew)
        m_editor.setNavigationButtons(false);
}

bool BillTypePage::loadsOnOpen() const
{
    return !editorState().addingNew;
}

namespace {

db::RecordsetPtr readBillType(int32_t id)
{
    return params::executeOnAccount(
        "select t1.FID,t1.FSystemic,t1.FName,t1.FNumber,t1.FAcctID,t1.FNote, t2.FNumber as "
        "FAcctNumber  from ICBillType t1 left join t_Account t2 ON "
        "t1.FAcctID=t2.FAccountID  where t1.FID=" +
        db::sqlNumber(id));
}

std::vector<std::string> recordOf(const db::RecordsetPtr &rows)
{
    if (!rows || rows->isEOF())
        return {};
    return {trimmedText(rows, "FNumber"), trimmedText(rows, "FName"), trimmedText(rows, "FAcctID"),
            trimmedText(rows, "FNote")};
}

} // namespace

void BillTypePage::load(int row)
{
    const auto &keys = editorState().rowKeys;
    m_loaded.clear();
    if (!keys.contains(row))
        return;
    base::tryStep([&] {
        auto rows = readBillType(keys.at(row).toLong());
        if (!rows || rows->isEOF())
            return;
        m_loaded = recordOf(rows);
        auto &grid = m_editor.grid();
        m_editor.tabs().captions[0] = trimmedText(rows, "FName");
        grid.setText(2, 1, trimmedText(rows, "FNumber"));
        grid.setText(2, 2, trimmedText(rows, "FName"));
        grid.setText(2, 3, trimmedText(rows, "FAcctNumber"));
        grid.setText(3, 3, trimmedText(rows, "FAcctID"));
        grid.setText(2, 4, trimmedText(rows, "FNote"));
        const auto systemic = rows->Fields("FSystemic").Value();
        const bool locked = !systemic.isNull() && systemic.toBool();
        grid.cell(2, 1).locked = locked;
        grid.cell(2, 2).locked = locked;
    });
}

// Saving: code and name must be unique; an empty account is stored as NULL.

void BillTypePage::save()
{
    // The account typed last may not have been checked yet (the cursor is still in its
    // cell): the saved id must be the one of the number shown.
    if (!checkAccountCell())
        return;
    const auto &grid = m_editor.grid();
    const auto number = base::trim(grid.text(2, 1));
    const auto name = base::trim(grid.text(2, 2));
    const auto note = base::trim(grid.text(2, 4));
    const auto account = accountSql(grid.text(3, 3));
    // A bill type without a code or a name cannot be chosen on a bill.
    if (number.empty() || name.empty()) {
        notify(TranslateText(number.empty() ? "代码不能为空。" : "名称不能为空。"));
        return;
    }
    try {
        if (isTaken("FNumber", number)) {
            notify(TranslateText("代码已存在。"));
            return;
        }
        if (isTaken("FName", name)) {
            notify(TranslateText("名称已存在。"));
            return;
        }
        const auto fields = db::sqlQuote(name) + "," + db::sqlQuote(number) + "," + account + "," +
                            db::sqlQuote(note);
        if (editorState().addingNew) {
            insertBillType(fields);
        } else {
            // The check and the change are one change of the account: nobody writes between.
            auto &connection = component::requireConnection();
            connection.BeginTrans();
            try {
                if (changedSinceLoaded()) {
                    connection.RollbackTrans();
                    notify(TranslateText(
                        "该记录已被其他用户修改，本次修改未保存；现在显示的是修改后的记录。"));
                    load(editorState().currentRow);
                    m_editor.changed = false;
                    return;
                }
                updateBillType("FName=" + db::sqlQuote(name) + ", FNumber=" + db::sqlQuote(number) +
                               ", FAcctID=" + account + ", FNote=" + db::sqlQuote(note));
                connection.CommitTrans();
            } catch (...) {
                connection.RollbackTrans();
                throw;
            }
            m_loaded = storedRecord(currentKey());
        }
        m_editor.changed = false;
    } catch (const base::Error &error) {
        RecordEditor::showError(component::userErrorText(error));
    }
}

void BillTypePage::saveFromPrompt(bool &answer)
{
    save();
    if (m_editor.changed)
        answer = false;
}

bool BillTypePage::isTaken(const std::string &column, const std::string &value) const
{
    auto sql = "SELECT Count(*) FROM ICBillType  WHERE " + column + "=" + db::sqlQuote(value);
    if (!editorState().addingNew)
        sql += " AND FID<> " + db::sqlNumber(currentKey());
    auto rows = params::executeOnAccount(sql);
    return rows && !rows->isEOF() && rows->Fields(0).Value().toLong() > 0;
}

// The new row takes the next free id; the editor goes on modifying it.
void BillTypePage::insertBillType(const std::string &values)
{
    const auto id = component::requireConnection().GetICMaxNum("ICBillType");
    params::executeOnAccount("Insert INTO ICBillType(FID,FName,FNumber,FAcctID,FNote)  Values(" +
                             db::sqlNumber(id) + "," + values + ")");
    reloadBillTypeKeys(id);
    m_loaded = storedRecord(id);
    m_editor.computeNavigationTargets();
    m_editor.setNavigationButtons(true);
    editorState().addingNew = false;
}

std::vector<std::string> BillTypePage::storedRecord(int32_t id) const
{
    return recordOf(readBillType(id));
}

// Whether the stored record differs from the one the editor loaded (and so holds someone
// else's change); a record never loaded has nothing to compare.
bool BillTypePage::changedSinceLoaded()
{
    return !m_loaded.empty() && storedRecord(currentKey()) != m_loaded;
}

void BillTypePage::updateBillType(const std::string &assignments)
{
    params::executeOnAccount("Update ICBillType  Set " + assignments +
                             " where FID=" + db::sqlNumber(currentKey()));
}

void BillTypePage::reloadBillTypeKeys(int32_t newId)
{
    auto &state = editorState();
    auto rows =
        params::executeOnAccount("Select FID,FName,FAcctID,FNote from ICBillType Order by FID");
    base::VariantColumn keys;
    for (; rows && !rows->isEOF(); rows->MoveNext()) {
        const auto id = rows->Fields("FID").Value();
        if (id.toLong() == newId)
            state.currentRow = 2 + static_cast<int32_t>(keys.size());
        keys.push_back(id);
    }
    state.rowKeys.assign(2, std::move(keys));
}

// The account cell.

bool BillTypePage::leaveCell(int col, int row)
{
    if (col != AccountCol || row != AccountRow || m_checkingAccount)
        return true;
    return checkAccountCell();
}

bool BillTypePage::checkAccountCell()
{
    auto &grid = m_editor.grid();
    const auto text = grid.text(AccountCol, AccountRow);
    if (text.empty()) {
        grid.setText(3, AccountRow, "");
        return true;
    }
    m_checkingAccount = true;
    const bool found = findAccount(AccountRow, AccountCol, text);
    m_checkingAccount = false;
    return found;
}

bool BillTypePage::findAccount(int row, int col, const std::string &text)
{
    try {
        auto rows = params::accountByNumber(text);
        if (!rows || rows->isEOF()) {
            notify(TranslateText("输入的数据不正确。在科目表中找不到对应的项。"));
            return false;
        }
        auto &grid = m_editor.grid();
        grid.setText(col, row, rows->Fields("FNumber").Value().text());
        grid.setText(col + 1, row, rows->Fields("FAccountID").Value().text());
        return true;
    } catch (const base::Error &error) {
        notify(component::withAccountReason(TranslateText("数据读取错误。"), error));
        return false;
    }
}

void BillTypePage::gridKeyDown(int keyCode)
{
    const auto &grid = m_editor.grid();
    if ((keyCode == RecordEditor::KeyCodeF7 || keyCode == RecordEditor::KeyCodeF8) &&
        grid.activeCol() == AccountCol && grid.activeRow() == AccountRow)
        lookUpAccount(AccountRow);
}

void BillTypePage::lookUpAccount(int row)
{
    try {
        auto lookup =
            component::ComponentRegistry::instance().createAs<component::LedgerViewComponent>(
                component::ProgId::LedgerView);
        base::Dictionary parameters(base::CompareMode::Text);
        parameters.set("ItemClassID", base::Variant(component::AccountItemClass));
        const auto chosen = lookup->AccountLookup(parameters);
        if (!chosen || !chosen->ReturnObject || !chosen->ReturnOK)
            return;
        auto &grid = m_editor.grid();
        const auto before = grid.text(AccountCol, row);
        grid.setText(AccountCol, row, chosen->ReturnObject->value("FNumber").text());
        grid.setText(3, row, chosen->ReturnObject->value("FAccountID").text());
        if (grid.text(AccountCol, row) != before)
            m_editor.changed = true;
    } catch (const base::Error &error) {
        notify(component::withAccountReason(TranslateText("数据读取错误。"), error));
    }
}

} // namespace orvan::editor
