#include "editor/ProfileRecordPage.h"
#include "component/AccountReason.h"

#include "base/Convert.h"
#include "base/Error.h"
#include "base/Text.h"
#include "component/ProcessState.h"
#include "component/Translation.h"
#include "db/SqlText.h"
#include "editor/EditorState.h"
#include "editor/RecordEditor.h"
#include "forms/Messages.h"
#include "params/NodeTable.h"
#include "params/ProfileCaption.h"
#include "params/ProfileFlags.h"
#include "params/ProfileStore.h"

namespace orvan::editor {

namespace NodeKey = params::NodeKey;

using component::TranslateText;

namespace {

// The profile value of the grid's only row, as saved.
std::string storedValueOf(const std::string &typed)
{
    if (typed == TranslateText("忽略不记"))
        return "1";
    if (typed == TranslateText("移至需求时界后的第一个时区"))
        return "0";
    return typed;
}

void showInvalid(const std::string &text)
{
    forms::showMessage(component::messageTitle(), text);
}

} // namespace

ProfileRecordPage::ProfileRecordPage(RecordEditor &editor)
    : m_editor(editor)
{}

bool ProfileRecordPage::isVoucherGroup() const
{
    return m_editor.nodeKey() == NodeKey::VoucherGroups;
}

bool ProfileRecordPage::addingVoucherGroup() const
{
    return isVoucherGroup() && editorState().addingNew;
}

void ProfileRecordPage::setUp()
{
    m_added = false;
    auto &grid = m_editor.grid();
    grid.clearAll();
    grid.setMaxRows(1);
    const auto &key = m_editor.nodeKey();
    if (key == NodeKey::SystemSettings)
        m_editor.caption = TranslateText("修改系统参数设置");
    else if (key == NodeKey::AccountSetParameters || key == NodeKey::AccountingPeriods)
        m_editor.caption = TranslateText("修改核算参数设置");
    else if (addingVoucherGroup())
        setUpNewVoucherGroup();
    else
        m_editor.caption = TranslateText("修改凭证字参数设置");
}

// A new voucher group takes the next free id, shown in the row caption. The id is
// reserved here so that what the caption shows is what is inserted, whatever gaps the
// ids have and whoever else adds a group meanwhile.
void ProfileRecordPage::setUpNewVoucherGroup()
{
    m_editor.caption = TranslateText("新增凭证字参数设置");
    m_editor.tabs().captions[0] = TranslateText("凭证字");
    for (const char *key : {RecordEditor::FirstKey, RecordEditor::PreviousKey,
                            RecordEditor::LastKey, RecordEditor::NextKey})
        m_editor.toolbar().button(key).visible = false;
    m_newGroupId = editorState().rowKeys.upperBound();
    base::tryStep(
        [this] { m_newGroupId = component::requireConnection().GetICMaxNum("t_VoucherGroup"); });
    m_editor.grid().setText(1, 1, TranslateText("新增凭证字") + std::to_string(m_newGroupId));
    m_editor.grid().setActiveCell(2, 1);
}

bool ProfileRecordPage::loadsOnOpen() const
{
    return !addingVoucherGroup();
}

void ProfileRecordPage::load(int row)
{
    LoadProfileRecord(row);
}

std::string ProfileRecordPage::currentKey() const
{
    const auto &state = editorState();
    if (!state.rowKeys.contains(state.currentRow))
        return {};
    return state.rowKeys.at(state.currentRow).text();
}

void ProfileRecordPage::LoadProfileRecord(int row)
{
    const auto &keys = editorState().rowKeys;
    if (!keys.contains(row))
        return;
    const auto key = keys.at(row).text();
    if (isVoucherGroup())
        loadVoucherGroup(key);
    else
        loadProfileValue(key);
}

void ProfileRecordPage::loadProfileValue(const std::string &key)
{
    std::string caption;
    std::string value;
    base::tryStep([&] {
        auto rows = params::executeOnAccount("select FValue,FKey from t_systemprofile where FKey=" +
                                             db::sqlQuote(key));
        if (!rows || rows->isEOF())
            return;
        value = base::trim(rows->Fields("FValue").Value().text());
        std::string shown;
        caption = params::ProfileCaption(base::trim(rows->Fields("FKey").Value().text()),
                                         base::Variant(value), shown);
    });
    setUpValueCell(key);
    showRecord(caption, value);
}

// The company code is fixed once the stock bills are closed; two precisions are spin
// cells with their ranges.
void ProfileRecordPage::setUpValueCell(const std::string &key)
{
    auto &cell = m_editor.grid().cell(2, 1);
    cell = forms::GridCell{};
    if (key == "FBrNo") {
        cell.locked = params::profileFlags().inventoryClosed != 0;
    } else if (key == "PrecisionOfDiscountRate" || key == "SInvoiceDecimal") {
        cell.type = forms::CellType::Integer;
        cell.minimum = 0;
        cell.maximum = key == "SInvoiceDecimal" ? 10 : 8;
    }
}

void ProfileRecordPage::loadVoucherGroup(const std::string &key)
{
    std::string value;
    base::tryStep([&] {
        auto rows = params::executeOnAccount("select FName from t_Vouchergroup where FGroupID=" +
                                             db::sqlNumber(base::textToLong(key)));
        if (rows && !rows->isEOF())
            value = base::trim(rows->Fields("FName").Value().text());
    });
    m_editor.grid().cell(2, 1) = forms::GridCell{};
    showRecord(TranslateText("凭证字"), value);
}

void ProfileRecordPage::showRecord(const std::string &caption, const std::string &value)
{
    m_editor.tabs().captions[0] = caption;
    m_editor.grid().setText(1, 1, caption);
    m_editor.grid().setText(2, 1, value);
}

// Saving.

void ProfileRecordPage::save()
{
    // The Save button checks what the save prompt checks.
    if (!validateBeforeSave())
        return;
    if (addingVoucherGroup())
        InsertVoucherGroup();
    else
        SaveProfileRecord();
}

void ProfileRecordPage::SaveProfileRecord()
{
    const auto key = currentKey();
    if (key.empty())
        return;
    const auto text = storedValueOf(base::trim(m_editor.grid().text(2, 1)));
    try {
        if (isVoucherGroup())
            params::executeOnAccount("Update T_VoucherGroup Set FName=" + db::sqlQuote(text) +
                                     " Where FGroupID=" + db::sqlNumber(base::textToLong(key)));
        else
            params::executeOnAccount("Update T_SystemProfile Set FValue=" + db::sqlQuote(text) +
                                     " where FKey=" + db::sqlQuote(key));
    } catch (const base::Error &error) {
        RecordEditor::showError(component::userErrorText(error));
    }
}

// Inserts the new group once per editor run; a refused insert (a name already used) can
// be corrected and saved again.
void ProfileRecordPage::InsertVoucherGroup()
{
    if (m_added)
        return;
    const auto &name = m_editor.grid().text(2, 1);
    try {
        params::executeOnAccount("Insert into t_Vouchergroup(FBrNo,FGroupID,FName) Values('0'," +
                                 db::sqlNumber(m_newGroupId) + "," + db::sqlQuote(name) + ")");
        m_added = true;
    } catch (const base::Error &error) {
        RecordEditor::showError(component::userErrorText(error));
    }
}

// The checks of the save prompt: two numeric system parameters have ranges.

bool ProfileRecordPage::validateBeforeSave()
{
    if (isVoucherGroup())
        return checkVoucherGroupName();
    if (m_editor.nodeKey() != NodeKey::SystemSettings)
        return true;
    const auto key = currentKey();
    if (key == "SInvoiceDecimal")
        return checkNumberInRange(0, 10,
                                  component::TextKey("数据非法，精度范围值是(0-10)，请重新输入！"));
    if (key == "TaxRate")
        return checkNumberInRange(
            0, 100, component::TextKey("数据非法，税率范围值是(0-100)，请重新输入！"));
    return true;
}

// A voucher group needs a name no other group has: vouchers are told apart by it.
bool ProfileRecordPage::checkVoucherGroupName() const
{
    const auto name = base::trim(m_editor.grid().text(2, 1));
    if (name.empty()) {
        showInvalid(TranslateText("凭证字不能为空。"));
        return false;
    }
    std::string sql = "SELECT COUNT(*) FROM t_VoucherGroup WHERE FName=" + db::sqlQuote(name);
    if (!addingVoucherGroup())
        sql += " AND FGroupID<>" + db::sqlNumber(base::textToLong(currentKey()));
    else if (m_added)
        sql += " AND FGroupID<>" + db::sqlNumber(m_newGroupId);
    const auto rows = params::executeOnAccount(sql);
    if (rows && !rows->isEOF() && rows->Fields(0).Value().toLong() > 0) {
        showInvalid(TranslateText("凭证字已存在。"));
        return false;
    }
    return true;
}

bool ProfileRecordPage::checkNumberInRange(double low, double high, const char *rangeMessage) const
{
    const auto number = base::parseNumber(m_editor.grid().text(2, 1));
    if (!number) {
        showInvalid(TranslateText("数据非法，必须录入数值，请重新输入！"));
        return false;
    }
    if (*number < low || *number > high) {
        showInvalid(TranslateText(rangeMessage));
        return false;
    }
    return true;
}

} // namespace orvan::editor
