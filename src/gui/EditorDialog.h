#pragma once

#include <map>
#include <string>

#include "gui/FormDialog.h"

class QAction;
class QCheckBox;
class QLabel;
class QStackedWidget;
class QTabWidget;
class QToolBar;
class QWidget;

namespace orvan::editor {
class RecordEditor;
class EditorPage;
} // namespace orvan::editor

namespace orvan::gui {

class BoxPanel;
class CellGridView;
class RuleGridView;

// The record editor: the toolbar (save, first / previous / next / last record, exit),
// then two tabs. The first shows the record in the property grid (captions, then values
// in editors by cell type), or for the bill settings the page's check boxes above the
// numbering-rule grid; the second shows the editor's options. Every click, edit, cursor
// move and F7/F8 goes to the form; the view is then drawn again from the form.
class EditorDialog : public FormDialog
{
    Q_OBJECT

public:
    explicit EditorDialog(editor::RecordEditor &form, QWidget *parent = nullptr);

    // The toolbar action of a button key ("Save", "Ne", ...), or nullptr.
    QAction *toolAction(const std::string &key) const;
    QTabWidget *tabWidget() const { return m_tabs; }
    CellGridView *propertyGrid() const { return m_grid; }
    // The rule grid of the bill settings; nullptr for other records.
    RuleGridView *ruleGrid() const { return m_ruleView; }
    // A box of the options tab, or of the bill settings, by name; nullptr when absent.
    QCheckBox *optionBox(const std::string &name) const;
    QCheckBox *pageBox(const std::string &name) const;

protected:
    void refresh() override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void finishEdits();
    void buildToolbar();
    void buildPropertyGrid();
    void renderToolbar();
    void renderTabs();
    void renderFirstTab();
    void showPagePanel(editor::EditorPage &page);

    editor::RecordEditor &m_editor;
    QToolBar *m_toolBar = nullptr;
    std::map<std::string, QAction *> m_actions;
    QTabWidget *m_tabs = nullptr;
    QLabel *m_lastChange = nullptr;
    QStackedWidget *m_firstTab = nullptr;
    CellGridView *m_grid = nullptr;
    QWidget *m_pagePanel = nullptr;
    editor::EditorPage *m_panelPage = nullptr;
    BoxPanel *m_pageBoxes = nullptr;
    RuleGridView *m_ruleView = nullptr;
    BoxPanel *m_options = nullptr;
    bool m_rendering = false;
    bool m_sized = false;
};

} // namespace orvan::gui
