#include "editor/RecordEditor.h"
#include "component/ChangeHistoryQuery.h"
#include "params/ProfileStore.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>

#include "base/Convert.h"
#include "base/Error.h"
#include "base/Text.h"
#include "component/ProcessState.h"
#include "component/Translation.h"
#include "editor/BillTypePage.h"
#include "editor/EditorState.h"
#include "editor/PlanParameterPage.h"
#include "editor/PrintControlPage.h"
#include "editor/ProfileRecordPage.h"
#include "forms/Messages.h"
#include "params/NodeTable.h"

namespace orvan::editor {

namespace NodeKey = params::NodeKey;

using component::TextKey;
using component::TranslateText;

namespace {

constexpr int KeyAsciiQuote = 34;
constexpr int KeyAsciiApostrophe = 39;
constexpr const char *ModifiedQuestion = TextKey("数据已修改，需要保存否？");
constexpr const char *AddedQuestion = TextKey("数据已新增，需要保存否？");

using params::EditorPageKind;

std::map<EditorPageKind, RecordEditor::PageFactory> &pageFactories()
{
    static std::map<EditorPageKind, RecordEditor::PageFactory> factories = [] {
        std::map<EditorPageKind, RecordEditor::PageFactory> builtIn;
        builtIn[EditorPageKind::ProfileValue] = [](RecordEditor &editor) {
            return std::make_unique<ProfileRecordPage>(editor);
        };
        builtIn[EditorPageKind::PrintControl] = [](RecordEditor &editor) {
            return std::make_unique<PrintControlPage>(editor);
        };
        builtIn[EditorPageKind::BillType] = [](RecordEditor &editor) {
            return std::make_unique<BillTypePage>(editor);
        };
        builtIn[EditorPageKind::PlanParameter] = [](RecordEditor &editor) {
            return std::make_unique<PlanParameterPage>(editor);
        };
        return builtIn;
    }();
    return factories;
}

// The kind of page that edits the records of a node.
EditorPageKind pageKindOf(const std::string &nodeKey)
{
    const auto *node = params::findNode(nodeKey);
    return node ? node->editorPage : EditorPageKind::None;
}

bool isNavigationKey(std::string_view key)
{
    return key == RecordEditor::FirstKey || key == RecordEditor::PreviousKey ||
           key == RecordEditor::NextKey || key == RecordEditor::LastKey;
}

} // namespace

void RecordEditor::registerPage(params::EditorPageKind kind, PageFactory factory)
{
    pageFactories()[kind] = std::move(factory);
}

bool RecordEditor::hasPage(const std::string &nodeKey)
{
    return pageFactories().contains(pageKindOf(nodeKey));
}

RecordEditor::RecordEditor()
{
    m_grid.setMaxCols(3);
}

RecordEditor::~RecordEditor() = default;

// Loading: captions, the first tab, the frame for the node, then the record.

void RecordEditor::load()
{
    m_nodeKey = component::processState().currentNodeKey;
    const auto found = pageFactories().find(pageKindOf(m_nodeKey));
    m_page = found == pageFactories().end() ? nullptr : found->second(*this);
    setUpToolbar();
    setUpTabs();
    setUpOptions();
    m_tabs.current = 0;
    initEditor();
    loadCurrentRecord();
    notifyChanged();
}

void RecordEditor::setUpToolbar()
{
    m_toolbar.clear();
    const auto button = [this](const char *key, const char *caption, const char *toolTip) {
        m_toolbar.add(
            {.key = key, .caption = TranslateText(caption), .toolTip = TranslateText(toolTip)});
    };
    const auto separator = [this](const char *key) {
        m_toolbar.add({.key = key, .separator = true});
    };
    separator("Sep1");
    button(NewKey, "新增", "新增记录");
    button(SaveKey, "保存", "保存");
    separator("Sep4");
    button(FirstKey, "首条", "第一条记录");
    button(PreviousKey, "上条", "上一条记录");
    button(NextKey, "下条", "下一条记录");
    button(LastKey, "最后", "最后一条记录");
    separator(NavSeparatorKey);
    button(ExitKey, "退出", "退出");
}

void RecordEditor::setUpTabs()
{
    m_tabs = {};
    m_tabs.addTab(TranslateText("[X] 属性"));
    m_tabs.addTab(TranslateText("选项"));
}

void RecordEditor::setUpOptions()
{
    m_options.clear();
    m_options.push_back({.name = HelpBox, .caption = TranslateText("显示帮助信息")});
    m_options.push_back({.name = ErrorBox, .caption = TranslateText("提示错误")});
    m_options.push_back({.name = RefreshBox, .caption = TranslateText("退出时立即刷新")});
    m_options.push_back(
        {.name = ClearBox, .caption = TranslateText("新增数据刷新界面"), .value = 1});
}

void RecordEditor::initEditor()
{
    initOptionBoxes();
    changed = false;
    m_toolbar.button(NewKey).visible = false;
    for (const char *key :
         {SaveKey, FirstKey, PreviousKey, LastKey, NextKey, NavSeparatorKey, ExitKey})
        m_toolbar.button(key).visible = true;
    m_gridVisible = true;
    if (m_page)
        m_page->setUp();
    if (m_gridVisible) {
        computeNavigationTargets();
        m_grid.setColumnHidden(3, true);
    }
    notifyChanged();
}

// The options of the editor apply to lists whose keys are small numbers; for text keys
// and class bills (1000000 and above) they are not offered.
void RecordEditor::initOptionBoxes()
{
    const auto &state = editorState();
    const base::Variant key = state.rowKeys.contains(state.currentRow)
                                  ? state.rowKeys.at(state.currentRow)
                                  : base::Variant();
    const bool offered = base::isNumeric(key) && key.toDouble() < 1000000;
    for (const char *name : {RefreshBox, ErrorBox, HelpBox})
        option(name).enabled = offered;
    if (!offered)
        return;
    option(RefreshBox).value = state.refreshOnExit != 0 ? 1 : 0;
    option(ErrorBox).value = state.showErrors != 0 ? 1 : 0;
    option(HelpBox).value = state.showHelp ? 1 : 0;
}

void RecordEditor::loadCurrentRecord()
{
    if (m_page && m_page->loadsOnOpen())
        m_page->load(editorState().currentRow);
    rememberActiveText();
    readLastChange();
}

namespace {

// The table that holds the records a node's editor shows.
const char *recordTableOf(const std::string &nodeKey)
{
    namespace Key = params::NodeKey;
    if (nodeKey == Key::BillTypes)
        return "ICBillType";
    if (nodeKey == Key::PrintControl)
        return "ICPrintMaxCount";
    if (nodeKey == Key::VoucherGroups)
        return "t_VoucherGroup";
    if (nodeKey == Key::BillSettings)
        return "ICBillNo";
    if (nodeKey == Key::SystemSettings || nodeKey == Key::AccountSetParameters ||
        nodeKey == Key::PlanningParameters)
        return "t_SystemProfile";
    return nullptr;
}

} // namespace

void RecordEditor::readLastChange()
{
    m_lastChange.clear();
    const auto &state = editorState();
    const char *table = recordTableOf(m_nodeKey);
    if (!table || !state.rowKeys.contains(state.currentRow))
        return;
    const auto record = base::trim(state.rowKeys.at(state.currentRow).text());
    if (record.empty())
        return;
    base::tryStep([&] {
        auto rows = params::executeOnAccount(component::recordChangesSql(table, record));
        if (!rows || rows->isEOF())
            return;
        const auto name = rows->Fields(1).Value().text();
        const auto who = name.empty() ? rows->Fields(2).Value().text() : name;
        m_lastChange = component::FormatText(TranslateText("最后修改：%1，%2（UTC）"), who,
                                             rows->Fields(0).Value().text());
    });
}

// Navigation.

void RecordEditor::computeNavigationTargets()
{
    auto &state = editorState();
    state.firstRow = state.rowKeys.lowerBound();
    state.lastRow = state.rowKeys.upperBound();
    if (state.previousRow == state.currentRow)
        return;
    const auto current = state.currentRow;
    state.previousTarget = current == state.firstRow ? current : current - 1;
    state.nextTarget = current == state.lastRow ? current : current + 1;
}

void RecordEditor::setNavigationButtons(bool enabled)
{
    for (const char *key : {FirstKey, PreviousKey, NextKey, LastKey})
        m_toolbar.button(key).enabled = enabled;
    notifyChanged();
}

bool RecordEditor::press(std::string_view key)
{
    if (closeRequested() || !m_toolbar.contains(std::string(key)))
        return false;
    const auto &button = m_toolbar.button(std::string(key));
    if (button.separator || !button.visible || !button.enabled)
        return false;
    if (button.key == SaveKey)
        saveRecord();
    else if (isNavigationKey(button.key))
        moveTo(button.key);
    else if (button.key == ExitKey)
        requestClose();
    notifyChanged();
    return true;
}

void RecordEditor::saveRecord()
{
    if (!m_page)
        return;
    m_page->save();
    if (m_page->clearsChangedAfterSave())
        changed = false;
    readLastChange();
}

void RecordEditor::moveTo(std::string_view key)
{
    m_toolbar.button(SaveKey).enabled = true;
    if (!askSaveBeforeMove())
        return;
    showEdgeNotice(key);
    auto &state = editorState();
    const int target = targetOf(key);
    state.previousRow = state.currentRow;
    if (m_page)
        m_page->load(target);
    rememberActiveText();
    state.currentRow = target;
    readLastChange();
    computeNavigationTargets();
    if (m_page)
        m_page->afterMove();
}

bool RecordEditor::askSaveBeforeMove()
{
    if (!changed && !ruleChanged)
        return true;
    bool answer = true;
    askSave(TranslateText(ModifiedQuestion), answer);
    if (!answer)
        return false;
    changed = false;
    ruleChanged = false;
    return true;
}

void RecordEditor::showEdgeNotice(std::string_view key) const
{
    const auto &state = editorState();
    const bool backwards = key == FirstKey || key == PreviousKey;
    if (backwards && state.currentRow == state.firstRow)
        showError(TranslateText("当前记录已经是第一条记录!"));
    if (!backwards && state.currentRow == state.lastRow)
        showError(TranslateText("当前记录已是最后一条记录!"));
}

int RecordEditor::targetOf(std::string_view key) const
{
    const auto &state = editorState();
    if (key == FirstKey)
        return state.firstRow;
    if (key == PreviousKey)
        return state.previousTarget;
    if (key == NextKey)
        return state.nextTarget;
    return state.lastRow;
}

// The save prompt.

void RecordEditor::askSave(const std::string &question, bool &answer)
{
    if (forms::showSuiteMessage(TranslateText("提示"), question, forms::SuiteStyle::Question) !=
        forms::Answer::Yes)
        return;
    if (m_page) {
        if (!ruleChanged && !m_page->validateBeforeSave())
            return;
        m_page->saveFromPrompt(answer);
    }
    // A save the page refused keeps the edits, and the question for the next close.
    if (answer)
        changed = false;
}

void RecordEditor::ShowMessage(const std::string &text, int flag)
{
    if (flag != 0)
        forms::showSuiteMessage(component::messageTitle(), text);
}

void RecordEditor::showError(const std::string &text)
{
    ShowMessage(text, editorState().showErrors);
}

// Editing in the property grid.

bool RecordEditor::typeCell(int col, int row, const std::string &text)
{
    // Column 1 holds the captions: only the values are the user's to type.
    if (closeRequested() || !m_gridVisible || col < 2 || row < 1 || col > m_grid.maxCols() ||
        row > m_grid.maxRows())
        return false;
    if (!moveToCell(col, row))
        return false;
    m_oldText = m_grid.text(col, row);
    const auto typed = filteredText(text);
    if (typed != text) {
        refuseCharacters(row, text);
        return false;
    }
    if (!acceptsCellText(m_grid.cell(col, row), typed) || !m_grid.typeText(col, row, typed)) {
        explainRefusedValue(m_grid.cell(col, row), row);
        return false;
    }
    noteEdit();
    notifyChanged();
    return true;
}

// Text with characters the cell's keyboard would not take is not shortened behind the
// user's back: it is refused, the old value stays, and the message names the field and
// the characters.
void RecordEditor::refuseCharacters(int row, const std::string &text) const
{
    std::string refused;
    for (const char c : text) {
        const int keyAscii = static_cast<unsigned char>(c);
        if (acceptsKey(keyAscii) && acceptsGridKey(keyAscii))
            continue;
        // A control character is named by its code: it has no picture of its own.
        const std::string shown =
            keyAscii < 0x20 ? fmt::format("U+{:04X}", keyAscii) : std::string(1, c);
        if (refused.find(shown) == std::string::npos)
            refused += shown;
    }
    forms::showMessage(
        component::messageTitle(),
        component::FormatText("%1不接受这些字符：%2", base::trim(m_grid.text(1, row)), refused),
        forms::Buttons::Ok, forms::Icon::Warning);
}

// A value the cell cannot hold is refused with what the field allows; a locked cell
// takes no typing at all and needs no message.
void RecordEditor::explainRefusedValue(const forms::GridCell &cell, int row) const
{
    if (cell.locked || cell.type == forms::CellType::Static)
        return;
    const std::string field = base::trim(m_grid.text(1, row));
    std::string text;
    if (cell.type == forms::CellType::CheckBox)
        text = component::FormatText("%1只能是0或1。", field);
    else if (cell.type == forms::CellType::ComboBox && !cell.listItems.empty())
        text = component::FormatText("%1只能是列表中的项目", field);
    else if (cell.type == forms::CellType::Integer && cell.maximum > cell.minimum)
        text = component::FormatText("%1应为%2到%3之间的整数。", field, cell.minimum, cell.maximum);
    else if (cell.type == forms::CellType::Integer)
        text = component::FormatText("%1应为整数。", field);
    else if (cell.maxLength > 0)
        text = component::FormatText("%1最多%2个字符。", field, cell.maxLength);
    else
        return;
    forms::showMessage(component::messageTitle(), text, forms::Buttons::Ok, forms::Icon::Warning);
}

// What a user can type: the characters that pass the keyboard filters.
std::string RecordEditor::filteredText(const std::string &text) const
{
    std::string kept;
    for (const char c : text) {
        const int keyAscii = static_cast<unsigned char>(c);
        if (acceptsKey(keyAscii) && acceptsGridKey(keyAscii))
            kept += c;
    }
    return kept;
}

// Check box cells take 0 or 1; spin cells a whole number within their range.
bool RecordEditor::acceptsCellText(const forms::GridCell &cell, const std::string &text) const
{
    if (cell.type == forms::CellType::CheckBox)
        return text == "0" || text == "1";
    if (cell.type == forms::CellType::ComboBox && !cell.listItems.empty())
        return std::find(cell.listItems.begin(), cell.listItems.end(), text) !=
               cell.listItems.end();
    if (cell.type != forms::CellType::Integer || text.empty())
        return true;
    const auto number = base::parseNumber(text);
    if (!number || *number != std::floor(*number))
        return false;
    return cell.maximum <= cell.minimum || (*number >= cell.minimum && *number <= cell.maximum);
}

// The text a cell had when the cursor came to it (or its record was loaded): what an
// edit is measured against.
void RecordEditor::rememberActiveText()
{
    m_oldText = activeText();
}

// The text of the active cell; "" while the property grid has no such cell (the bill
// settings show the rule grid instead).
std::string RecordEditor::activeText() const
{
    const int col = m_grid.activeCol();
    const int row = m_grid.activeRow();
    if (col < 1 || row < 1 || col > m_grid.maxCols() || row > m_grid.maxRows())
        return {};
    return m_grid.text(col, row);
}

void RecordEditor::noteEdit()
{
    if (activeText() != m_oldText)
        changed = true;
}

bool RecordEditor::moveToCell(int col, int row)
{
    if (col == m_grid.activeCol() && row == m_grid.activeRow())
        return true;
    if (m_page && !m_page->leaveCell(m_grid.activeCol(), m_grid.activeRow()))
        return false;
    m_grid.setActiveCell(col, row);
    rememberActiveText();
    notifyChanged();
    return true;
}

bool RecordEditor::leaveGrid()
{
    if (m_page && !m_page->leaveCell(m_grid.activeCol(), m_grid.activeRow()))
        return false;
    const auto text = activeText();
    if (text != m_oldText) {
        m_oldText = text;
        changed = true;
    }
    notifyChanged();
    return true;
}

void RecordEditor::keyDown(int keyCode, int)
{
    noteEdit();
    if (m_page)
        m_page->gridKeyDown(keyCode);
    notifyChanged();
}

bool RecordEditor::acceptsKey(int keyAscii)
{
    // Control characters other than backspace (a NUL, a line break) are no text a record
    // can hold.
    if (keyAscii < 0x20 && keyAscii != KeyAsciiBackspace)
        return false;
    return keyAscii != KeyAsciiQuote && keyAscii != KeyAsciiApostrophe;
}

bool RecordEditor::acceptsGridKey(int keyAscii) const
{
    return !m_page || m_page->acceptsGridCharacter(keyAscii);
}

// The options tab.

forms::CheckBox &RecordEditor::option(std::string_view name)
{
    const auto found = std::find_if(m_options.begin(), m_options.end(),
                                    [name](const auto &box) { return box.name == name; });
    if (found == m_options.end())
        throw base::Error(base::ErrorNumber::InvalidProcedureCall,
                          "No option box " + std::string(name));
    return *found;
}

bool RecordEditor::clickOption(std::string_view name)
{
    auto &box = option(name);
    if (!box.enabled || !box.visible)
        return false;
    box.value = box.value == 1 ? 0 : 1;
    auto &state = editorState();
    if (name == RefreshBox)
        state.refreshOnExit = box.value;
    else if (name == ErrorBox)
        state.showErrors = box.value;
    else if (name == HelpBox)
        state.showHelp = box.value != 0;
    else if (name == ClearBox)
        box.value = 1;
    notifyChanged();
    return true;
}

void RecordEditor::changeTab(int index)
{
    if (index < 0 || index >= static_cast<int>(m_tabs.captions.size()) || index == m_tabs.current)
        return;
    m_tabs.current = index;
    for (const char *key : {FirstKey, PreviousKey, LastKey, NextKey, NavSeparatorKey})
        m_toolbar.button(key).enabled = index == 0;
    notifyChanged();
}

// Closing.

bool RecordEditor::queryClose()
{
    auto &state = editorState();
    bool answer = true;
    if (changed || ruleChanged)
        askSave(TranslateText(state.addingNew ? AddedQuestion : ModifiedQuestion), answer);
    if (!answer)
        return false;
    state.currentRow = 0;
    state.addingNew = false;
    ruleChanged = false;
    if (m_page)
        m_page->closed();
    return true;
}

void RecordEditor::requestClose()
{
    if (!closeRequested() && queryClose())
        close();
}

} // namespace orvan::editor
