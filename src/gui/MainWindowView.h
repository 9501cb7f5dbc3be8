#pragma once

#include <QTimer>

#include <functional>
#include <memory>
#include <string>

#include "forms/Printer.h"
#include "gui/FormDialog.h"

class QLabel;
class QSplitter;
class QStackedWidget;
class QStatusBar;

namespace orvan::mainwindow {
class MaintenanceWindow;
}

namespace orvan::gui {

class LedgerTableView;
class MenuBinder;
class OptionSheetView;
class OverallOptionList;
class ParameterTreeView;
class SearchBox;
class ToolbarBinder;

// The maintenance window: menus and toolbar on top, the class title, then the search box
// over the parameter tree beside the content of the chosen node (the list grid, the
// option page with the overall option list above it for the overall options, or a
// calculation-parameter control), and the status bar. Every widget shows the window's
// state; every user action goes to the window, and the view re-reads the state when it
// changes.
class MainWindowView : public FormDialog
{
    Q_OBJECT

public:
    explicit MainWindowView(mainwindow::MaintenanceWindow &window, QWidget *parent = nullptr);
    ~MainWindowView() override;

    // The window's size on a desktop of 1280 x 800 or more; smaller screens give it most
    // of theirs.
    static QSize preferredSize() { return {1100, 720}; }

    mainwindow::MaintenanceWindow &window() const { return m_window; }
    ParameterTreeView *tree() const { return m_tree; }
    SearchBox *searchBox() const { return m_search; }
    LedgerTableView *grid() const { return m_grid; }
    OptionSheetView *optionPage() const { return m_optionPage; }
    OptionSheetView *calculationView(bool cost) const { return cost ? m_ctrlCost1 : m_ctrl1; }
    OverallOptionList *overallOptions() const { return m_overallOptions; }
    QLabel *classTitle() const { return m_classTitle; }
    QLabel *itemTitle() const { return m_itemTitle; }
    MenuBinder &menus() const { return *m_menus; }
    ToolbarBinder &toolbar() const { return *m_toolbar; }
    QSplitter *splitter() const { return m_splitter; }
    QStatusBar *statusBar() const { return m_statusBar; }
    // The content pane in view: the grid, one of the option views, or an empty page.
    QWidget *shownContent() const;

    // The user's actions, as the widgets hand them on.
    void chooseNode(const std::string &key);
    void chooseMenuItem(const std::string &path);
    void pressToolButton(const std::string &key);

protected:
    void refresh() override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void connectListKeys();
    void restorePlacement();
    void notePlacement();
    void fitTreeCaptions();
    void buildWidgets();
    void buildLayout();
    void connectActions();
    QWidget *buildContentPane();
    QWidget *buildTreePane();
    void connectSearch();
    void markSearchHits();
    void renderContent();
    void renderOverallOptions();
    void renderBars();
    void renderStatus();
    void renderSplitter();
    void renderPointer();
    void startTimerWhenEnabled();

    void usePrintFont();
    void runViewCommand(const std::string &path);
    void chooseFont(bool titles);
    void showPopup(const QPoint &at);
    void onSplitterMoved(int position);
    template <class Action>
    void withWaitCursor(Action action);

    mainwindow::MaintenanceWindow &m_window;
    MenuBinder *m_menus = nullptr;
    ToolbarBinder *m_toolbar = nullptr;
    QLabel *m_classTitle = nullptr;
    QLabel *m_itemTitle = nullptr;
    ParameterTreeView *m_tree = nullptr;
    SearchBox *m_search = nullptr;
    QSplitter *m_splitter = nullptr;
    QStackedWidget *m_content = nullptr;
    QWidget *m_empty = nullptr;
    LedgerTableView *m_grid = nullptr;
    OverallOptionList *m_overallOptions = nullptr;
    OptionSheetView *m_optionPage = nullptr;
    OptionSheetView *m_ctrl1 = nullptr;
    OptionSheetView *m_ctrlCost1 = nullptr;
    QStatusBar *m_statusBar = nullptr;
    std::vector<QLabel *> m_panels;
    QTimer m_timer;
    bool m_rendering = false;
    bool m_waitCursorShown = false;
};

// Makes the shell show MainWindowView for "MaintenanceWindow"; `prepare` sees each view
// before it is shown.
void registerMainWindowView(std::function<void(MainWindowView &)> prepare = {});

} // namespace orvan::gui
