#include "editor/PrintControlPage.h"
#include "component/AccountReason.h"

#include "base/Convert.h"
#include "base/Error.h"
#include "base/Text.h"
#include "component/Translation.h"
#include "db/SqlText.h"
#include "editor/EditorState.h"
#include "editor/RecordEditor.h"
#include "forms/Messages.h"
#include "params/ProfileStore.h"

namespace orvan::editor {

using component::TranslateText;

namespace {

constexpr int32_t FirstClassBill = 1000000;

int32_t currentKey()
{
    const auto &state = editorState();
    return state.rowKeys.at(state.currentRow).toLong();
}

int32_t longOf(const base::Variant &value)
{
    return value.isNull() ? 0 : value.toLong();
}

} // namespace

PrintControlPage::PrintControlPage(RecordEditor &editor)
    : m_editor(editor)
{}

void PrintControlPage::setUp()
{
    m_editor.caption = TranslateText("修改打印次数限制");
    auto &grid = m_editor.grid();
    grid.clearAll();
    grid.setMaxRows(3);
    grid.setText(1, 1, TranslateText("控制打印次数"));
    grid.setText(1, 2, TranslateText("最大打印次数"));
    grid.setText(1, 3, TranslateText("审核后才允许打印"));
    grid.cell(2, 1).type = forms::CellType::CheckBox;
    grid.cell(2, 2).maxLength = 2;
    grid.cell(2, 3).type = forms::CellType::CheckBox;
}

void PrintControlPage::load(int row)
{
    const auto &keys = editorState().rowKeys;
    if (!keys.contains(row))
        return;
    base::tryStep([&] {
        auto rows = params::executeOnAccount(
            "select FID," + component::LanguageColumn("FName") + " As FName " +
            ",FPrintControlOrNo,FPrintMaxCount,FPrintAfterCheck from ICPrintMaxCount where FID=" +
            db::sqlNumber(keys.at(row).toLong()));
        if (!rows || rows->isEOF())
            return;
        auto &grid = m_editor.grid();
        m_editor.tabs().captions[0] = base::trim(rows->Fields("FName").Value().text());
        grid.setText(2, 1, longOf(rows->Fields("FPrintControlOrNo").Value()) != 0 ? "1" : "0");
        grid.setText(2, 2,
                     base::numberToText(
                         base::val(base::trim(rows->Fields("FPrintMaxCount").Value().text()))));
        showAfterCheck(longOf(rows->Fields("FPrintAfterCheck").Value()));
    });
}

// 1 ticked, 0 cleared; any other stored value means the option does not apply to the
// bill: the cell is locked and marked.
void PrintControlPage::showAfterCheck(int32_t stored)
{
    auto &cell = m_editor.grid().cell(2, 3);
    const bool applies = stored == 0 || stored == 1;
    cell.text = applies ? std::to_string(stored) : "0";
    cell.backColor = applies ? White : NotApplicableColor;
    cell.locked = !applies;
}

bool PrintControlPage::validateBeforeSave()
{
    if (base::isNumericText(m_editor.grid().text(2, 2)))
        return true;
    forms::showMessage(component::messageTitle(),
                       TranslateText("数据非法，必须录入数值，请重新输入！"));
    return false;
}

void PrintControlPage::save()
{
    try {
        params::executeOnAccount(saveSql(currentKey()));
    } catch (const base::Error &error) {
        RecordEditor::showError(component::userErrorText(error));
    }
    m_editor.changed = false;
}

std::string PrintControlPage::saveSql(int32_t key) const
{
    const auto &grid = m_editor.grid();
    const auto control = base::textToLong(grid.text(2, 1));
    const auto maximum = base::textToLong(grid.text(2, 2));
    const auto after = grid.cell(2, 3).locked ? -1 : base::textToLong(grid.text(2, 3));
    auto sql = "Update ICPrintMaxCount Set FPrintMaxCount=" + db::sqlNumber(maximum) +
               ",FPrintControlOrNo=" + db::sqlNumber(control) +
               ",FPrintAfterCheck=" + db::sqlNumber(after) + "  where FID=" + db::sqlNumber(key);
    if (key > FirstClassBill)
        sql += std::string(params::CrLf) +
               "Update ICClassType Set FID = FID Where FID = " + db::sqlNumber(key);
    return sql;
}

bool PrintControlPage::acceptsGridCharacter(int keyAscii) const
{
    return (keyAscii >= '0' && keyAscii <= '9') || keyAscii == KeyAsciiBackspace;
}

} // namespace orvan::editor
