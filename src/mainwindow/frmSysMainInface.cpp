#include "mainwindow/frmSysMainInface.h"

#include <chrono>

#include "base/Error.h"
#include "base/Text.h"
#include "component/ComponentRegistry.h"
#include "component/LoginContext.h"
#include "component/ProcessState.h"
#include "component/SettingStore.h"
#include "component/Translation.h"
#include "editor/EditorState.h"
#include "forms/Printer.h"
#include "forms/Shell.h"
#include "mainwindow/HelpIds.h"
#include "mainwindow/MainWindowHooks.h"
#include "mainwindow/NodeTables.h"
#include "mainwindow/OptionBinding.h"
#include "params/ProfileStore.h"
#include "params/tvwSysBuilder.h"

namespace orvan::mainwindow {
namespace {

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
    return "tvwKey" + std::to_string(component::processState().g_lngSysClass);
}

bool isCostSystem(const std::string &systemId)
{
    return systemId == "0004" || systemId == "0005" || systemId == "0006";
}

bool costSystemShows(const std::string &key)
{
    return key == "sys1" || key == "au2" || key == "au21" || key == "au22" || key == "sys10" ||
           key == "au1";
}

double secondsSinceMidnight()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto seconds = std::chrono::duration<double>(now).count();
    return seconds - 86400.0 * static_cast<double>(static_cast<int64_t>(seconds / 86400.0));
}

} // namespace

frmSysMainInface::frmSysMainInface()
    : m_options(std::make_unique<OptionBinding>(*this))
    , m_clock(secondsSinceMidnight)
{
    tryStep([this] {
        auto store = settingStore();
        m_colWidth1 = store->read(SettingsSection, "ColWidth1", 2000).toLong();
        m_colWidth2 = store->read(SettingsSection, "ColWidth2", 2000).toLong();
    });
    ListVSysSet.left = ListOutOfView;
    ListVSysSet.visible = false;
    buildToolbar();
    buildMenus();
    sbStatusBar.panels.push_back({"Passtime", "", 3000});
    splitter.minimum = SplitterLimit;
    splitter.maximum = windowWidth - SplitterLimit;
    splitter.position = 3000;
    Timer1.intervalMs = 100;
    ldgBase.setRowTextHandler([this](int row) { return rowText(row); });
    ldgBase.onDoubleClick = [this](int) { modify(); };
    ldgBase.onRightButtonUp = [this](int) { gridPopup(); };
}

frmSysMainInface::~frmSysMainInface() = default;

void frmSysMainInface::buildToolbar()
{
    const std::pair<const char *, const char *> buttons[] = {
        {"New", TextKey("新增")},   {"Modify", TextKey("修改")},    {"Delete", TextKey("删除")},
        {"Cut", TextKey("剪切")},   {"Copy", TextKey("复制")},      {"Paste", TextKey("粘贴")},
        {"Print", TextKey("打印")}, {"PrintView", TextKey("预览")}, {"Exit", TextKey("退出")},
    };
    for (const auto &[key, caption] : buttons)
        tbToolBar.add({.key = key, .caption = caption, .image = key});
}

// Captions are the language-resource keys; views show them translated.
void frmSysMainInface::buildMenus()
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
                                         {"PrintSetup", TextKey("打印设置(&R)...")}});
    menu({"Edit", TextKey("编辑(&E)")}, {{"Add", TextKey("新增(&N)")},
                                         {"Modify", TextKey("修改(&M)")},
                                         {"Delete", TextKey("删除(&D)")}});
    menu({"View", TextKey("查看(&V)")}, {{"Refresh", TextKey("刷新(&R)"), "F9"},
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

void frmSysMainInface::load()
{
    auto &state = component::processState();
    auto &hooks = mainWindowHooks();
    tryStep([this] { m_options->load(); });
    tryStep(params::PreloadProfileFlags);
    createOutsideControls();
    m_detail.LDG(&ldgBase);
    tryStep([&] {
        params::tvwSysBuilder builder;
        builder.tvwGroup(&tvwBase);
        builder.SetTreeView(state.g_lngSysClass);
    });
    applyCaptions();
    tryStep([&] { buildRecordKeys(state.g_strCurrentKey); });
    fillOverallOptions();
    applyColumnWidths();
    chooseStartingNode();
    editor::editorState().resetOptions();
    if (hooks.prepareBillCodeRules)
        tryStep([&] { hooks.prepareBillCodeRules(*this); });
    if (state.g_lngSysClass == 0 && state.g_lngClassTypeID != 0 && m_recordKeys.currentRowIndex)
        ldgBase.SelRow(m_recordKeys.currentRowIndex);
    tryStep([this] { totalEvaluateMark = params::ReadProfileNumber("TotalEvaluateMark"); });
    tryStep([this] { passEvaluateMark = params::ReadProfileNumber("PassEvaluateMark"); });
    notifyChanged();
}

void frmSysMainInface::createOutsideControls()
{
    const auto &registry = component::ComponentRegistry::instance();
    tryStep([&] {
        CtlICSysPro =
            registry.createAs<component::OptionProfileControl>(component::ProgId::OptionProfile);
    });
    m_options->bind(CtlICSysPro);
    tryStep([&] {
        ctrl1 = registry.createAs<component::CalculationParameterControl>(
            component::ProgId::CalculationParameters);
    });
    tryStep([&] {
        ctrlCost1 = registry.createAs<component::CalculationParameterControl>(
            component::ProgId::CostCalculationParameters);
    });
}

void frmSysMainInface::applyCaptions()
{
    const auto sysClass = component::processState().g_lngSysClass;
    if (const char *text = windowCaptionOf(sysClass))
        caption = TranslateText(text);
    if (const char *text = classCaptionOf(sysClass))
        SSPTitleClass.caption = TranslateText(text);
    tbToolBar.button("Cut").visible = false;
    tbToolBar.button("Paste").visible = false;
    tbToolBar.button("Delete").enabled = menus.item("Edit.Delete").enabled;
}

void frmSysMainInface::applyColumnWidths()
{
    if (ldgBase.columnCount() < 4)
        return;
    ldgBase.setColumnWidth(1, m_colWidth1);
    ldgBase.setColumnWidth(2, m_colWidth2);
}

void frmSysMainInface::chooseStartingNode()
{
    const auto &state = component::processState();
    std::string key;
    tryStep([&] { key = settingStore()->read(SettingsSection, classKeyName(), "").text(); });
    if (state.g_lngClassTypeID != 0)
        key = "sys2";
    const auto nodes = tvwBase.displayOrder();
    if (!key.empty()) {
        const bool keep = !isCostSystem(state.g_strSystemID) || costSystemShows(key);
        tryStep([&] { selectAndClick(keep ? key : "sys1"); });
    } else if (!nodes.empty()) {
        const std::size_t first = state.g_lngSysClass == 4 && nodes.size() > 1 ? 1 : 0;
        tryStep([&] { selectAndClick(nodes[first]->key); });
    }
    if (state.g_bPrintControl && nodes.size() > 2)
        tryStep([&] { selectAndClick(nodes[2]->key); });
}

void frmSysMainInface::unload()
{
    if (optionPageVisible && CtlICSysPro)
        tryStep([this] { CtlICSysPro->LeavePage(); });
    storeSettings();
}

void frmSysMainInface::storeSettings()
{
    tryStep([this] {
        auto store = settingStore();
        // A column the grid never had has no width to remember.
        if (ldgBase.columnWidth(1) > 0)
            tryStep([&] { store->write(SettingsSection, "ColWidth1", ldgBase.columnWidth(1)); });
        if (ldgBase.columnWidth(2) > 0)
            tryStep([&] { store->write(SettingsSection, "ColWidth2", ldgBase.columnWidth(2)); });
        tryStep([&] { store->write(SettingsSection, classKeyName(), m_selectedKey); });
    });
}

void frmSysMainInface::keyDown(int keyCode, int)
{
    if (keyCode != forms::KeyCodeF1)
        return;
    const auto id = helpId();
    tryStep([id] { component::ShowHelp(forms::KeyCodeF1, id, "", 0, "", 0); });
}

int32_t frmSysMainInface::helpId() const
{
    const auto &state = component::processState();
    std::string subId;
    tryStep([&] { subId = component::ScanLoginProp("SUBID"); });
    std::string category = alarmCategory;
    if (state.g_lngSysClass == 4 && CtlICSysPro)
        tryStep([&] { category = CtlICSysPro->alarmCategory(); });
    return helpIdFor(state.g_lngSysClass, subId, state.g_strSetCode, category);
}

int frmSysMainInface::dragSplitter(int twips)
{
    splitter.maximum = windowWidth - SplitterLimit;
    const int position = splitter.moveTo(twips);
    notifyChanged();
    return position;
}

void frmSysMainInface::toolbarClick(const std::string &key)
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
    notifyChanged();
}

bool frmSysMainInface::menuClick(const std::string &path)
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
    else if (name == "SEARCH")
        keyDown(forms::KeyCodeF1, 0);
    else if (name == "STATUSBAR" || name == "TOOLBAR" || name == "TOOLBARLABELS")
        item->checked = !item->checked;
    notifyChanged();
    return true;
}

void frmSysMainInface::printOrPreview(int32_t mode)
{
    const auto &key = component::processState().g_strCurrentKey;
    const bool previewOnly = key == "sys16" || key == "sys17" || key == "Exp" || key == "Imp";
    const bool optionSheet = (optionPageOf(key) && key.find("alarm") == std::string::npos &&
                              (mode == 0 || !previewOnly)) ||
                             key.find("alarm") != std::string::npos;
    if (optionSheet) {
        if (optionPageVisible && CtlICSysPro)
            CtlICSysPro->PrintPage(mode);
        lastPrintTarget = "option";
    } else if (key == "sys7") {
        if (ctrl1)
            mode == 0 ? ctrl1->Preview() : ctrl1->Print();
        lastPrintTarget = "ctrl1";
    } else if (key == "sys10") {
        if (ctrlCost1)
            mode == 0 ? ctrlCost1->Preview() : ctrlCost1->Print();
        lastPrintTarget = "ctrlCost1";
    } else {
        lastPrintTarget = "grid";
        forms::printer().print(listDocument(),
                               mode == 0 ? forms::PrintMode::Preview : forms::PrintMode::Print);
    }
}

// The list as the grid shows it: the item title, the heading row and the data rows.
forms::PrintDocument frmSysMainInface::listDocument()
{
    forms::PrintDocument document;
    document.title = SSPTitleItem.caption;
    const int rows = ldgBase.rowCount();
    if (rows < 1)
        return document;
    document.headings = ldgBase.rowText(1);
    for (int row = 2; row <= rows; ++row)
        document.rows.push_back(ldgBase.rowText(row));
    return document;
}

void runMaintenanceWindow()
{
    frmSysMainInface window;
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
