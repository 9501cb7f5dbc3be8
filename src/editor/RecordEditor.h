#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "editor/EditorPage.h"
#include "forms/CellGrid.h"
#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/Toolbar.h"
#include "params/NodeTable.h"

namespace orvan::editor {

// The record editor "RecordEditor": one record of the list the main window shows (node
// key currentNodeKey), edited in a property grid (column 1 captions, column 2 values,
// column 3 hidden), with First / Previous / Next / Last over the rows of the list, the
// save prompt, and the options tab. What is loaded and saved per node key is the
// business of an EditorPage chosen by the key.
//
// Driving it as a user does (the Qt view and the script runner call only these):
// press(key) for a toolbar button, typeCell(col, row, text) to type into a cell,
// moveToCell / leaveGrid for the cursor and focus, gridKeyDown for F7/F8 in the grid,
// clickOption(name) for a box of the options tab, changeTab(index), requestClose() for
// the close box, and acceptsKey / acceptsGridKey as the per-character filters a view
// applies while the user types.
class RecordEditor : public forms::Form
{
public:
    // Toolbar keys, in display order; the separators are "Sep1", "Sep4" and "Sep9".
    static constexpr const char *NewKey = "New";
    static constexpr const char *SaveKey = "Save";
    static constexpr const char *FirstKey = "Fr";
    static constexpr const char *PreviousKey = "Pr";
    static constexpr const char *NextKey = "Ne";
    static constexpr const char *LastKey = "La";
    static constexpr const char *ExitKey = "Exit";
    static constexpr const char *NavSeparatorKey = "Sep9";

    // Option boxes of the second tab.
    static constexpr const char *RefreshBox = "ChkRefresh";
    static constexpr const char *ErrorBox = "ChkError";
    static constexpr const char *HelpBox = "ChkAHelp";
    static constexpr const char *ClearBox = "ChkClear";

    static constexpr int KeyCodeF7 = 118;
    static constexpr int KeyCodeF8 = 119;

    // Pages by the kind the node table gives a node; the pages of this library are
    // registered from the start, other libraries add theirs (a factory for a kind already
    // present replaces it).
    using PageFactory = std::function<std::unique_ptr<EditorPage>(RecordEditor &)>;
    static void registerPage(params::EditorPageKind kind, PageFactory factory);
    static bool hasPage(const std::string &nodeKey);

    RecordEditor();
    ~RecordEditor() override;

    std::string formName() const override { return "frmProtyMdy"; }

    // Captions, first tab, initEditor, then the record of the current row.
    void load() override;
    // A key down in the property grid (F7/F8 open the account lookup of bill types).
    void keyDown(int keyCode, int shift) override;
    // The close box: asks to save unsaved edits; false keeps the editor open.
    bool queryClose() override;

    // User actions.
    bool press(std::string_view key);
    bool typeCell(int col, int row, const std::string &text);
    bool moveToCell(int col, int row);
    bool leaveGrid();
    void gridKeyDown(int keyCode) { keyDown(keyCode, 0); }
    bool clickOption(std::string_view name);
    void changeTab(int index);
    void requestClose();
    // Dialog-wide filter: the quote characters " and ' are discarded in every control.
    static bool acceptsKey(int keyAscii);
    // The filter of the property grid for the node shown (digits only for some nodes).
    bool acceptsGridKey(int keyAscii) const;

    // The frame, as the pages use it.
    void initEditor();
    void computeNavigationTargets();
    void setNavigationButtons(bool enabled);
    void askSave(const std::string &question, bool &answer);
    static void ShowMessage(const std::string &text, int flag);
    // ShowMessage gated by the "提示错误" option.
    static void showError(const std::string &text);

    const std::string &nodeKey() const { return m_nodeKey; }
    // Who last changed the record shown, and when ("" when the history holds no change
    // of it).
    const std::string &lastChange() const { return m_lastChange; }
    EditorPage *page() { return m_page.get(); }

    forms::CellGrid &grid() { return m_grid; }
    const forms::CellGrid &grid() const { return m_grid; }
    forms::Toolbar &toolbar() { return m_toolbar; }
    const forms::Toolbar &toolbar() const { return m_toolbar; }
    forms::TabControl &tabs() { return m_tabs; }
    const forms::TabControl &tabs() const { return m_tabs; }
    // The box by name (ChkRefresh, ChkError, ChkAHelp, ChkClear); raises for others.
    forms::CheckBox &option(std::string_view name);
    const std::vector<forms::CheckBox> &options() const { return m_options; }
    bool propertyGridVisible() const { return m_gridVisible; }
    void setPropertyGridVisible(bool visible) { m_gridVisible = visible; }

    // Unsaved edits of the record shown, and of the numbering-rule grid.
    bool changed = false;
    bool ruleChanged = false;

private:
    void setUpToolbar();
    void setUpTabs();
    void setUpOptions();
    void initOptionBoxes();
    void loadCurrentRecord();
    void saveRecord();
    void moveTo(std::string_view key);
    bool askSaveBeforeMove();
    void showEdgeNotice(std::string_view key) const;
    int targetOf(std::string_view key) const;
    bool acceptsCellText(const forms::GridCell &cell, const std::string &text) const;
    void refuseCharacters(int row, const std::string &text) const;
    void explainRefusedValue(const forms::GridCell &cell, int row) const;
    std::string filteredText(const std::string &text) const;
    void rememberActiveText();
    std::string activeText() const;
    void noteEdit();

    void readLastChange();

    std::string m_nodeKey;
    std::string m_lastChange;
    std::unique_ptr<EditorPage> m_page;
    forms::CellGrid m_grid;
    forms::Toolbar m_toolbar;
    forms::TabControl m_tabs;
    std::vector<forms::CheckBox> m_options;
    bool m_gridVisible = true;
    std::string m_oldText;
};

} // namespace orvan::editor
