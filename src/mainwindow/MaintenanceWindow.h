#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "commands/SysDetail.h"
#include "component/OptionProfileControl.h"
#include "component/SettingStore.h"
#include "component/Translation.h"
#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/LedgerGrid.h"
#include "forms/Menu.h"
#include "forms/Printer.h"
#include "forms/Toolbar.h"
#include "forms/TreeControl.h"
#include "mainwindow/OverallOptions.h"
#include "mainwindow/RecordKeys.h"
#include "mainwindow/TreeSearch.h"

namespace orvan::mainwindow {
class OptionBinding;
}

namespace orvan::mainwindow {

// The maintenance window: the parameter tree on the left, the content of the selected
// node on the right (the ledger list, a page of the option-profile control or one of the
// two calculation-parameter controls), with a title line, toolbar, menus and status bar.
class MaintenanceWindow : public forms::Form
{
public:
    static constexpr int SplitterLimit = 1680;  // twips on each side of the splitter
    static constexpr int ListOutOfView = 28950; // left edge of the hidden option list
    static constexpr int HourglassPointer = 11;

    MaintenanceWindow();
    ~MaintenanceWindow() override;

    std::string formName() const override { return "frmSysMainInface"; }
    void load() override;
    void activate() override { mousePointer = 0; }
    void unload() override;
    void keyDown(int keyCode, int shift) override;

    // The user's actions.
    void selectAndClick(const std::string &key);
    void nodeClick(const std::string &key);
    void toolbarClick(const std::string &key);
    // Runs a menu item ("File.Preview", "Edit.Delete", "Popup.Refresh"); false when the
    // item does not exist or is disabled.
    bool menuClick(const std::string &path);
    void modify();
    // The record commands: Add opens the editor in add mode, Delete removes the selected
    // voucher group or bill type, Close leaves unless the last option check failed.
    void addRecord();
    void deleteRecord();
    void closeWindow();
    void gridPopup();
    // The user ticks or clears an entry of the overall option list; false when refused.
    bool toggleOverallOption(const std::string &itemKey, bool checked);
    // Right button released over the overall option list.
    void overallOptionsPopup();
    void refreshList();
    // View > History: the change history of the selected node.
    void showHistory();
    void timerFired();
    // Drags the splitter to a position (twips from the window's left edge) and releases
    // it; returns the position taken.
    int dragSplitter(int twips);
    // Moves the splitter for the view (to fit the tree's captions); the position stays
    // the window's own, not one the user chose.
    void placeSplitter(int twips);

    // The search box: searches the parameters for the text ("" or blanks clear it) and
    // keeps the tree filtered to the nodes of the matches (see TreeSearch).
    void setSearchText(const std::string &text);
    // Enter in the search box: clicks the node of the next match (the first after the
    // last) and makes the matching option or row current; false when nothing matches.
    bool nextMatch();
    const TreeSearch &search() const { return m_search; }
    // Whether the search marks an option of the page shown, or a row of the list shown:
    // one that shows the text or the key or value of a match of the node.
    bool isSearchHit(const std::string &optionKey) const;
    bool isSearchHitRow(int row);
    // The option sheet shown (the option page or a calculation page); nullptr for none.
    forms::OptionSheet *shownSheet();

    // The rows the grid shows (row 1 the heading).
    std::vector<std::string> rowText(int row);
    int32_t helpId() const;
    // The list shown, as File > Print and Preview send it to the printer.
    forms::PrintDocument listDocument();
    forms::PrintDocument supplyChainDocument();
    // Copy: the list's headings and selected row, or the option page, tab-separated.
    std::string shownText();
    void copyShown();
    const std::string &selectedKey() const { return m_selectedKey; }
    const RecordKeyList &recordKeys() const { return m_recordKeys; }
    bool busy() const { return m_busy; }

    // The clock of the load time, seconds since midnight (tests set it).
    void setClock(std::function<double()> clock) { m_clock = std::move(clock); }

    // Controls.
    forms::TreeControl tree;
    forms::Label classTitle;
    forms::Label itemTitle;
    forms::LedgerGrid list;
    bool listVisible = true;
    forms::Toolbar toolbar;
    forms::MenuBar menus;
    forms::StatusBar statusBar;
    forms::Splitter splitter;
    forms::Timer reselectTimer;
    int windowWidth = 12000;
    // Where the user left the window, in twips (width 0: never placed), and whether the
    // splitter's position is the user's (dragged in this run or an earlier one).
    struct Placement
    {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
    };
    Placement placement;
    bool splitterPlacedByUser = false;
    // False for a run that must leave what the user's own runs stored (a screenshot).
    bool keepsSettings = true;
    int mousePointer = 0;
    // The supply-chain overall option list, in view for the supply-chain options only.
    forms::CheckList overallOptionList;
    bool optionPageVisible = false;
    int32_t optionPageCode = -1;
    bool calculationControlVisible = false;
    bool costCalculationControlVisible = false;
    bool popupShown = false;
    // Where the last Print or Preview went: "option", "ctrl1", "ctrlCost1" or "grid".
    std::string lastPrintTarget;
    // Set by the option rules when the last change of a page was rejected.
    bool lastCheckRejected = false;
    int32_t currentYear = 0;
    std::string alarmCategory; // of the alarm row shown
    int32_t currentRow = 0;    // the editor's row (currentRow)
    double totalEvaluateMark = 0;
    double passEvaluateMark = 0;

    std::shared_ptr<component::OptionProfileControl> optionControl;
    std::shared_ptr<component::CalculationParameterControl> calculationControl;
    std::shared_ptr<component::CalculationParameterControl> costCalculationControl;
    commands::SysDetail &detail() { return m_detail; }
    OptionBinding &optionBinding() { return *m_options; }

private:
    void buildToolbar();
    void buildMenus();
    void createOutsideControls();
    void applyCaptions();
    void applyColumnWidths();
    void keepNodeColumnWidths();
    void restoreNodeColumnWidths(const std::string &key);
    void chooseStartingNode();
    void storeSettings();
    void showGroupNode();
    void storePlacement(component::SettingStoreComponent &store);

    void clickNode(const forms::TreeNode &node);
    void loadNodeRows(const forms::TreeNode &node);
    void showLoadTime(double start);
    void showItemTitle(const forms::TreeNode &node);
    void reportClickError(const std::string &description);

    void switchContent(const std::string &key);
    bool leaveOptionPage();
    bool showNodeContent(const std::string &key);
    void showOptionPage(int32_t pageCode);
    void showCalculationControl(bool cost);
    void showLedger(const std::string &key);
    bool showAlarmPage(const std::string &key);
    void applyRecordCommands(const std::string &key);
    void buildRecordKeys(const std::string &key);
    void keepRecordKeys(const std::string &key, RecordKeyList keys);

    void loadList(const std::string &sql);
    void renumberVoucherGroups();
    void printOrPreview(int32_t mode);
    void showPeriodList();
    void fillOverallOptions();
    void runEditor(bool addNew);
    bool deleteSelectedRecord(const std::string &key, std::string &reloadSql);
    void reloadAfterChange(const std::string &sql, bool afterDelete);
    void placeOverallOptions(const std::string &key);

    const std::set<int> &searchHitRows();
    int rowOfMatch(const params::SearchMatch &match) const;
    void makeMatchCurrent(const params::SearchMatch &match);

    commands::SysDetail m_detail;
    OverallOptions m_overallOptions;
    std::unique_ptr<OptionBinding> m_options;
    RecordKeyList m_recordKeys;
    std::vector<std::string> m_periodRows; // row texts of the period list, from row 2
    std::string m_selectedKey;
    std::string m_lastClickedKey;
    bool m_busy = false;
    int m_columnWidth1 = 2000;
    int m_columnWidth2 = 2000;
    int m_storedSplitter = 0;
    // The column widths (from column 3) the user gave each node's list, by node key.
    std::map<std::string, std::string> m_nodeColumnWidths;
    std::function<double()> m_clock;
    component::TranslatedTexts m_words; // the fixed words every click shows
    TreeSearch m_search;
    int m_searchRuns = 0;
    // The rows the search marks in the list shown, for the node, list load and search
    // they were found for.
    struct SearchHitRows
    {
        std::string nodeKey;
        int refreshes = -1;
        int searchRun = -1;
        std::set<int> rows;
    };
    SearchHitRows m_searchHitRows;
};

// Runs the maintenance window modally through the process's shell.
void runMaintenanceWindow();
// Makes SysFace.Show open the maintenance window.
void installMaintenanceWindow();

} // namespace orvan::mainwindow
