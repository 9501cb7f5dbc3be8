#include "mainwindow/MaintenanceWindow.h"

#include <chrono>

#include "base/Error.h"
#include "base/Text.h"
#include "component/ComponentRegistry.h"
#include "component/LoginContext.h"
#include "component/ProcessState.h"
#include "component/SettingStore.h"
#include "component/Translation.h"
#include "db/SqlText.h"
#include "editor/EditorState.h"
#include "forms/Clipboard.h"
#include "forms/Printer.h"
#include "forms/Shell.h"
#include "mainwindow/HelpIds.h"
#include "mainwindow/HistoryWindow.h"
#include "mainwindow/MainWindowHooks.h"
#include "mainwindow/NodeTables.h"
#include "mainwindow/OptionBinding.h"
#include "mainwindow/SettingsTransferWindow.h"
#include "params/NodeTable.h"
#include "params/ParameterTree.h"
#include "params/ProfileStore.h"

namespace orvan::mainwindow {

namespace NodeKey = params::NodeKey;
namespace {

// Runs the export or import window; after an import the window reads the account again.
void transferSettings(MaintenanceWindow &window, SettingsTransferWindow::Mode mode)
{
    SettingsTransferWindow transfer(mode);
    forms::shell().runModal(transfer);
    if (!transfer.accountChanged())
        return;
    window.optionBinding().load();
    window.selectAndClick(component::processState().currentNodeKey);
}

// The company's name for the print letterhead: the English name for an English login
// when the account has one.
std::string companyNameOfLogin()
{
    const auto name = [](const char *key) {
        return params::firstFieldText("SELECT FValue FROM t_SystemProfile WHERE FCategory="
                                      "'General' AND FKey=" +
                                          db::sqlQuote(key),
                                      "FValue")
            .value_or("");
    };
    if (base::upperCase(component::LoginLanguage()) == "EN") {
        const auto english = name("CompanyNameEn");
        if (!base::trim(english).empty())
            return english;
    }
    return name("CompanyName");
}

using base::tryStep;
using component::TextKey;
using component::TranslateText;

const char *const SettingsSection = "frmSysMainInface";

std::shared_ptr<component::SettingStoreComponent> settingStore()
{
    return component::ComponentRegistry::instance().createAs<component::SettingStoreComponent>(
        component::ProgId::SettingStore);
}

std::string classKeyName()
{
    return "tvwKey" + std::to_string(component::processState().sysClass);
}

bool isCostSystem(const std::string &systemId)
{
    return systemId == "0004" || systemId == "0005" || systemId == "0006";
}

bool costSystemShows(const std::string &key)
{
    return key == NodeKey::SystemSettings || key == NodeKey::AccountingPeriods ||
           key == NodeKey::PeriodState || key == NodeKey::PeriodDates ||
           key == NodeKey::CostOptions || key == NodeKey::AccountSetParameters;
}

double secondsSinceMidnight()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto seconds = std::chrono::duration<double>(now).count();
    return seconds - 86400.0 * static_cast<double>(static_cast<int64_t>(seconds / 86400.0));
}

} // namespace

MaintenanceWindow::MaintenanceWindow()
    : m_options(std::make_unique<OptionBinding>(*this))
    , m_clock(secondsSinceMidnight)
{
    tryStep([this] {
        component::SettingRead stored[] = {
            {"ColWidth1", 2000}, {"ColWidth2", 2000}, {"WindowLeft", 0},       {"WindowTop", 0},
            {"WindowWidth", 0},  {"WindowHeight", 0}, {"SplitterPosition", 0},
        };
        settingStore()->readMany(SettingsSection, stored);
        int *const targets[] = {&m_columnWidth1,  &m_columnWidth2,  &placement.left,
                                &placement.top,   &placement.width, &placement.height,
                                &m_storedSplitter};
        for (std::size_t i = 0; i < std::size(stored); ++i)
            *targets[i] = stored[i].value.toLong(); // a bad value leaves the rest unread
    });
    overallOptionList.left = ListOutOfView;
    overallOptionList.visible = false;
    buildToolbar();
    buildMenus();
    statusBar.panels.push_back({"Passtime", "", 3000});
    splitter.minimum = SplitterLimit;
    splitter.maximum = windowWidth - SplitterLimit;
    splitter.position = 3000;
    if (m_storedSplitter >= SplitterLimit) {
        splitter.position = m_storedSplitter;
        splitterPlacedByUser = true;
    }
    reselectTimer.intervalMs = 100;
    list.setRowTextHandler([this](int row) { return rowText(row); });
    list.onDoubleClick = [this](int) { modify(); };
    list.onRightButtonUp = [this](int) { gridPopup(); };
}

MaintenanceWindow::~MaintenanceWindow() = default;

void MaintenanceWindow::buildToolbar()
{
    const std::pair<const char *, const char *> buttons[] = {
        {"New", TextKey("新增")},   {"Modify", TextKey("修改")},    {"Delete", TextKey("删除")},
        {"Cut", TextKey("剪切")},   {"Copy", TextKey("复制")},      {"Paste", TextKey("粘贴")},
        {"Print", TextKey("打印")}, {"PrintView", TextKey("预览")}, {"Exit", TextKey("退出")},
    };
    for (const auto &[key, caption] : buttons)
        toolbar.add({.key = key, .caption = caption, .image = key});
}

// Captions are the language-resource keys; views show them translated.
void MaintenanceWindow::buildMenus()
{
    struct Entry
    {
        const char *name;
        const char *caption;
        const char *shortcut = "";
    };
    auto menu = [this](Entry top, std::initializer_list<Entry> items) {
        forms::MenuItem item{.name = top.name, .caption = top.caption};
        for (const auto &child : items)
            item.add({.name = child.name, .caption = child.caption, .shortcut = child.shortcut});
        menus.add(std::move(item));
    };
    menu({"File", TextKey("文件(&F)")}, {{"Close", TextKey("关闭(&C)")},
                                         {"Preview", TextKey("打印预览(&V)")},
                                         {"Print", TextKey("打印(&P)..."), "Ctrl+P"},
                                         {"PrintSetup", TextKey("打印设置(&R)...")},
                                         {"ExportSettings", TextKey("导出设置(&X)...")},
                                         {"ImportSettings", TextKey("导入设置(&I)...")}});
    menu({"Edit", TextKey("编辑(&E)")}, {{"Add", TextKey("新增(&N)")},
                                         {"Modify", TextKey("修改(&M)")},
                                         {"Delete", TextKey("删除(&D)")}});
    menu({"View", TextKey("查看(&V)")}, {{"Refresh", TextKey("刷新(&R)"), "F9"},
                                         {"History", TextKey("修改记录(&H)..."), "Ctrl+H"},
                                         {"StatusBar", TextKey("状态栏(&S)")},
                                         {"Toolbar", TextKey("工具栏(&T)")},
                                         {"ToolbarLabels", TextKey("工具栏文字(&L)")}});
    menu({"Format", TextKey("格式(&O)")}, {{"Font", TextKey("字体(&F)...")},
                                           {"TitleFont", TextKey("标题字体(&T)...")},
                                           {"PageSetup", TextKey("页面设置(&U)...")}});
    menu({"Help", TextKey("帮助(&H)")},
         {{"Search", TextKey("帮助主题(&S)")}, {"About", TextKey("关于(&A)...")}});
    menu({"Popup", TextKey("快捷菜单")}, {{"Add", TextKey("新增(&N)")},
                                          {"Modify", TextKey("修改(&M)")},
                                          {"Delete", TextKey("删除(&D)")},
                                          {"Refresh", TextKey("刷新(&R)"), "F9"}});
    for (const char *path : {"View.StatusBar", "View.Toolbar", "View.ToolbarLabels"})
        menus.item(path).checked = true;
}

void MaintenanceWindow::load()
{
    auto &state = component::processState();
    auto &hooks = mainWindowHooks();
    tryStep([this] { m_options->load(); });
    tryStep(params::PreloadProfileFlags);
    createOutsideControls();
    m_detail.attachGrid(&list);
    tryStep([&] {
        params::ParameterTree builder;
        builder.setTree(&tree);
        builder.buildTree(state.sysClass);
    });
    applyCaptions();
    tryStep([] { forms::setLetterhead(companyNameOfLogin()); });
    tryStep([&] { buildRecordKeys(state.currentNodeKey); });
    fillOverallOptions();
    applyColumnWidths();
    chooseStartingNode();
    editor::editorState().resetOptions();
    if (hooks.prepareBillCodeRules)
        tryStep([&] { hooks.prepareBillCodeRules(*this); });
    if (state.sysClass == 0 && state.classTypeId != 0 && m_recordKeys.currentRowIndex)
        list.SelRow(m_recordKeys.currentRowIndex);
    tryStep([this] { totalEvaluateMark = params::ReadProfileNumber("TotalEvaluateMark"); });
    tryStep([this] { passEvaluateMark = params::ReadProfileNumber("PassEvaluateMark"); });
    notifyChanged();
}

void MaintenanceWindow::createOutsideControls()
{
    const auto &registry = component::ComponentRegistry::instance();
    tryStep([&] {
        optionControl =
            registry.createAs<component::OptionProfileControl>(component::ProgId::OptionProfile);
    });
    m_options->bind(optionControl);
    tryStep([&] {
        calculationControl = registry.createAs<component::CalculationParameterControl>(
            component::ProgId::CalculationParameters);
    });
    tryStep([&] {
        costCalculationControl = registry.createAs<component::CalculationParameterControl>(
            component::ProgId::CostCalculationParameters);
    });
}

void MaintenanceWindow::applyCaptions()
{
    const auto sysClass = component::processState().sysClass;
    if (const char *text = windowCaptionOf(sysClass))
        caption = TranslateText(text);
    if (const char *text = classCaptionOf(sysClass))
        classTitle.caption = TranslateText(text);
    toolbar.button("Cut").visible = false;
    toolbar.button("Paste").visible = false;
    toolbar.button("Delete").enabled = menus.item("Edit.Delete").enabled;
}

void MaintenanceWindow::applyColumnWidths()
{
    if (list.columnCount() < 4)
        return;
    list.setColumnWidth(1, m_columnWidth1);
    list.setColumnWidth(2, m_columnWidth2);
}

namespace {

// The cells of the columns shown.
std::vector<std::string> shownCells(std::vector<std::string> cells, const std::vector<bool> &shown)
{
    std::vector<std::string> kept;
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (i >= shown.size() || shown[i])
            kept.push_back(std::move(cells[i]));
    return kept;
}

// Columns 1 and 2 keep the widths of every list (ColWidth1, ColWidth2); the others are
// the user's for each node's list and fit their content until the user sets them.
constexpr int FirstNodeColumn = 3;

std::string nodeWidthsKey(const std::string &nodeKey)
{
    return "ColWidths_" + nodeKey;
}

} // namespace

void MaintenanceWindow::keepNodeColumnWidths()
{
    if (!m_lastClickedKey.empty())
        m_nodeColumnWidths[m_lastClickedKey] = list.columnWidthsText(FirstNodeColumn);
}

void MaintenanceWindow::restoreNodeColumnWidths(const std::string &key)
{
    list.clearColumnWidths(FirstNodeColumn);
    auto known = m_nodeColumnWidths.find(key);
    if (known == m_nodeColumnWidths.end()) {
        std::string stored;
        tryStep(
            [&] { stored = settingStore()->read(SettingsSection, nodeWidthsKey(key), "").text(); });
        known = m_nodeColumnWidths.emplace(key, stored).first;
    }
    list.setColumnWidthsText(known->second);
}

void MaintenanceWindow::chooseStartingNode()
{
    const auto &state = component::processState();
    std::string key;
    tryStep([&] { key = settingStore()->read(SettingsSection, classKeyName(), "").text(); });
    if (state.classTypeId != 0)
        key = NodeKey::BillSettings;
    const auto nodes = tree.displayOrder();
    if (!key.empty()) {
        const bool keep = !isCostSystem(state.systemId) || costSystemShows(key);
        tryStep([&] { selectAndClick(keep ? key : NodeKey::SystemSettings); });
    } else if (!nodes.empty()) {
        const std::size_t first = state.sysClass == 4 && nodes.size() > 1 ? 1 : 0;
        tryStep([&] { selectAndClick(nodes[first]->key); });
    }
    if (state.printControl && nodes.size() > 2)
        tryStep([&] { selectAndClick(nodes[2]->key); });
}

void MaintenanceWindow::unload()
{
    if (optionPageVisible && optionControl)
        tryStep([this] { optionControl->LeavePage(); });
    storeSettings();
}

void MaintenanceWindow::storeSettings()
{
    if (!keepsSettings)
        return;
    tryStep([this] {
        auto store = settingStore();
        // A column the grid never had has no width to remember.
        if (list.columnWidth(1) > 0)
            tryStep([&] { store->write(SettingsSection, "ColWidth1", list.columnWidth(1)); });
        if (list.columnWidth(2) > 0)
            tryStep([&] { store->write(SettingsSection, "ColWidth2", list.columnWidth(2)); });
        tryStep([&] { store->write(SettingsSection, classKeyName(), m_selectedKey); });
        storePlacement(*store);
        keepNodeColumnWidths();
        for (const auto &[node, widths] : m_nodeColumnWidths)
            if (!widths.empty())
                tryStep([&] { store->write(SettingsSection, nodeWidthsKey(node), widths); });
    });
}

void MaintenanceWindow::storePlacement(component::SettingStoreComponent &store)
{
    if (placement.width > 0 && placement.height > 0) {
        tryStep([&] { store.write(SettingsSection, "WindowLeft", placement.left); });
        tryStep([&] { store.write(SettingsSection, "WindowTop", placement.top); });
        tryStep([&] { store.write(SettingsSection, "WindowWidth", placement.width); });
        tryStep([&] { store.write(SettingsSection, "WindowHeight", placement.height); });
    }
    if (splitterPlacedByUser)
        tryStep([&] { store.write(SettingsSection, "SplitterPosition", splitter.position); });
}

void MaintenanceWindow::keyDown(int keyCode, int)
{
    if (keyCode != forms::KeyCodeF1)
        return;
    const auto id = helpId();
    tryStep([id] { component::ShowHelp(forms::KeyCodeF1, id, "", 0, "", 0); });
}

int32_t MaintenanceWindow::helpId() const
{
    const auto &state = component::processState();
    std::string subId;
    tryStep([&] { subId = component::ScanLoginProp("SUBID"); });
    std::string category = alarmCategory;
    if (state.sysClass == 4 && optionControl)
        tryStep([&] { category = optionControl->alarmCategory(); });
    return helpIdFor(state.sysClass, subId, state.helpSetCode, category);
}

int MaintenanceWindow::dragSplitter(int twips)
{
    splitterPlacedByUser = true;
    splitter.maximum = windowWidth - SplitterLimit;
    const int position = splitter.moveTo(twips);
    notifyChanged();
    return position;
}

void MaintenanceWindow::placeSplitter(int twips)
{
    splitter.maximum = windowWidth - SplitterLimit;
    splitter.moveTo(twips);
    notifyChanged();
}

void MaintenanceWindow::toolbarClick(const std::string &key)
{
    if (key == "New")
        addRecord();
    else if (key == "Modify")
        modify();
    else if (key == "Delete")
        deleteRecord();
    else if (key == "Print")
        printOrPreview(1);
    else if (key == "PrintView")
        printOrPreview(0);
    else if (key == "Exit")
        closeWindow();
    else if (key == "Copy")
        copyShown();
    notifyChanged();
}

bool MaintenanceWindow::menuClick(const std::string &path)
{
    auto *item = menus.find(path);
    if (!item || !item->enabled || !item->children.empty())
        return false;
    const auto name = base::upperCase(path.substr(path.find('.') + 1));
    if (name == "CLOSE")
        closeWindow();
    else if (name == "PREVIEW")
        printOrPreview(0);
    else if (name == "PRINT")
        printOrPreview(1);
    else if (name == "ADD")
        addRecord();
    else if (name == "MODIFY")
        modify();
    else if (name == "DELETE")
        deleteRecord();
    else if (name == "REFRESH")
        refreshList();
    else if (name == "HISTORY")
        showHistory();
    else if (name == "EXPORTSETTINGS")
        transferSettings(*this, SettingsTransferWindow::Mode::Export);
    else if (name == "IMPORTSETTINGS")
        transferSettings(*this, SettingsTransferWindow::Mode::Import);
    else if (name == "SEARCH")
        keyDown(forms::KeyCodeF1, 0);
    else if (name == "STATUSBAR" || name == "TOOLBAR" || name == "TOOLBARLABELS")
        item->checked = !item->checked;
    notifyChanged();
    return true;
}

void MaintenanceWindow::showHistory()
{
    const auto &key = component::processState().currentNodeKey;
    const auto *node = tree.find(key);
    HistoryWindow window(key, node ? node->caption : std::string());
    forms::shell().runModal(window);
}

void MaintenanceWindow::printOrPreview(int32_t mode)
{
    const auto &key = component::processState().currentNodeKey;
    const bool previewOnly = key == NodeKey::DistributionOptions || key == NodeKey::StoreOptions ||
                             key == NodeKey::ExportOptions || key == NodeKey::ImportOptions;
    const bool optionSheet =
        (optionPageOf(key) && !params::isAlarmKey(key) && (mode == 0 || !previewOnly)) ||
        params::isAlarmKey(key);
    if (key == NodeKey::SupplyChainOptions && overallOptionList.visible) {
        forms::printer().print(supplyChainDocument(),
                               mode == 0 ? forms::PrintMode::Preview : forms::PrintMode::Print);
        lastPrintTarget = "option";
    } else if (optionSheet) {
        if (optionPageVisible && optionControl)
            optionControl->PrintPage(mode);
        lastPrintTarget = "option";
    } else if (key == NodeKey::InventoryAccountingOptions) {
        if (calculationControl)
            mode == 0 ? calculationControl->Preview() : calculationControl->Print();
        lastPrintTarget = "ctrl1";
    } else if (key == NodeKey::CostOptions) {
        if (costCalculationControl)
            mode == 0 ? costCalculationControl->Preview() : costCalculationControl->Print();
        lastPrintTarget = "ctrlCost1";
    } else {
        lastPrintTarget = "grid";
        forms::printer().print(listDocument(),
                               mode == 0 ? forms::PrintMode::Preview : forms::PrintMode::Print);
    }
}

// The list as the grid shows it: the item title, the heading row and the data rows of
// the columns shown.
forms::PrintDocument MaintenanceWindow::listDocument()
{
    forms::PrintDocument document;
    document.title = itemTitle.caption;
    const int rows = list.rowCount();
    if (rows < 1)
        return document;
    const auto shown = list.shownColumns();
    document.headings = shownCells(list.rowText(1), shown);
    for (int row = 2; row <= rows; ++row)
        document.rows.push_back(shownCells(list.rowText(row), shown));
    return document;
}

// The supply-chain page prints what it shows: the overall options, ticked or not, then
// the options under them.
forms::PrintDocument MaintenanceWindow::supplyChainDocument()
{
    forms::PrintDocument document;
    document.title = optionControl ? optionControl->sheet().title : itemTitle.caption;
    document.headings = {TranslateText("选项"), TranslateText("值")};
    for (const auto &item : overallOptionList.items)
        document.rows.push_back({item.caption, item.checked ? "√" : ""});
    if (optionControl)
        for (const auto &row : optionControl->sheet().rows)
            if (row.kind != forms::OptionKind::Button)
                document.rows.push_back({row.caption, forms::displayValue(row)});
    return document;
}

// What the user looks at, for a spreadsheet: the list's headings and its selected row,
// or the captions and values of the option or calculation page; one line each, cells
// between tabs.
std::string MaintenanceWindow::shownText()
{
    const auto line = [](const std::vector<std::string> &cells) {
        std::string text;
        for (const auto &cell : cells)
            text += (text.empty() ? "" : "\t") + cell;
        return text + "\n";
    };
    const auto sheetText = [&line](const forms::OptionSheet &sheet) {
        std::string text;
        for (const auto &row : sheet.rows)
            if (row.kind != forms::OptionKind::Button)
                text += line({row.caption, forms::displayValue(row)});
        return text;
    };
    if (optionPageVisible && optionControl)
        return sheetText(optionControl->sheet());
    if (calculationControlVisible && calculationControl)
        return sheetText(calculationControl->sheet());
    if (costCalculationControlVisible && costCalculationControl)
        return sheetText(costCalculationControl->sheet());
    if (!listVisible || list.rowCount() < 2 || list.currentRow() < 2)
        return {};
    const auto shown = list.shownColumns();
    return line(shownCells(list.rowText(1), shown)) +
           line(shownCells(list.rowText(list.currentRow()), shown));
}

void MaintenanceWindow::copyShown()
{
    const auto text = shownText();
    if (!text.empty())
        forms::clipboard().setText(text);
}

void runMaintenanceWindow()
{
    MaintenanceWindow window;
    forms::shell().runModal(window);
}

void installMaintenanceWindow()
{
    component::processState().hooks.runMaintenanceWindow = runMaintenanceWindow;
}

MainWindowHooks &MainWindowHooks::instance()
{
    static MainWindowHooks hooks;
    return hooks;
}

} // namespace orvan::mainwindow
