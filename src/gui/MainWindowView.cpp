#include "gui/MainWindowView.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScopeGuard>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <cstdlib>
#include <optional>

#include "base/Text.h"
#include "component/Translation.h"
#include "gui/GuiHost.h"
#include "gui/LedgerTableModel.h"
#include "gui/LedgerTableView.h"
#include "gui/MainWindowCommands.h"
#include "gui/MenuBinder.h"
#include "gui/OptionSheetView.h"
#include "gui/OverallOptionList.h"
#include "gui/ParameterTreeView.h"
#include "gui/QtPrinter.h"
#include "gui/QtShell.h"
#include "gui/SearchBox.h"
#include "gui/ToolbarBinder.h"
#include "gui/Twips.h"
#include "gui/ViewTexts.h"
#include "mainwindow/MaintenanceWindow.h"

namespace orvan::gui {
namespace {

using mainwindow::MaintenanceWindow;

constexpr QSize SmallestSize(SmallestWindowWidth, SmallestWindowHeight);

bool menuChecked(const MaintenanceWindow &window, const char *path)
{
    const auto *item = window.menus.find(path);
    return !item || item->checked;
}

std::string lastName(const std::string &path)
{
    const auto dot = path.rfind('.');
    return dot == std::string::npos ? path : path.substr(dot + 1);
}

// A print command of the File menu or the toolbar, and whether it previews.
std::optional<forms::PrintMode> printModeOf(const std::string &name)
{
    if (base::equalsNoCase(name, "Preview") || base::equalsNoCase(name, "PrintView"))
        return forms::PrintMode::Preview;
    if (base::equalsNoCase(name, "Print"))
        return forms::PrintMode::Print;
    return std::nullopt;
}

} // namespace

MainWindowView::MainWindowView(MaintenanceWindow &window, QWidget *parent)
    : FormDialog(window, parent)
    , m_window(window)
{
    setObjectName(QStringLiteral("frmSysMainInface"));
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    buildWidgets();
    buildLayout();
    connectActions();
    setMinimumSize(SmallestSize);
    const QSize available = screen() ? screen()->availableGeometry().size() : preferredSize();
    resize(std::min(preferredSize().width(), available.width() * 92 / 100),
           std::min(preferredSize().height(), available.height() * 92 / 100));
    restorePlacement();
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (m_window.reselectTimer.enabled)
            withWaitCursor([this] { m_window.timerFired(); });
    });
    refresh();
}

MainWindowView::~MainWindowView()
{
    if (m_waitCursorShown)
        QApplication::restoreOverrideCursor();
}

void MainWindowView::buildWidgets()
{
    m_menus = new MenuBinder(m_window.menus, this);
    m_toolbar = new ToolbarBinder(m_window.toolbar, this);
    m_classTitle = new QLabel(this);
    m_classTitle->setObjectName(QStringLiteral("SSPTitleClass"));
    m_itemTitle = new QLabel(this);
    m_itemTitle->setObjectName(QStringLiteral("SSPTitleItem"));
    m_tree = new ParameterTreeView(m_window.tree, this);
    m_search = new SearchBox(this);
    m_grid = new LedgerTableView(m_window.list, this);
    m_overallOptions = new OverallOptionList(this);
    m_overallOptions->setObjectName(QStringLiteral("ListVSysSet"));

    auto &window = m_window;
    m_optionPage = new OptionSheetView(
        [&window] { return window.optionControl ? &window.optionControl->sheet() : nullptr; },
        [this](const std::string &key, const std::string &text) {
            bool taken = false;
            guarded([this, &key, &text, &taken] {
                taken = m_window.optionControl && m_window.optionControl->ChangeOption(key, text);
            });
            refresh();
            return taken;
        },
        {qt(component::TranslateText("选项")), qt(component::TranslateText("值"))}, this);
    m_optionPage->setObjectName(QStringLiteral("CtlICSysPro"));
    auto calculationView =
        [this](
            std::shared_ptr<component::CalculationParameterControl> MaintenanceWindow::*control) {
            auto *view = new OptionSheetView(
                [this, control] {
                    const auto &owner = m_window.*control;
                    return owner ? &owner->sheet() : nullptr;
                },
                guardedAction([this, control](const std::string &key, const std::string &text) {
                    const auto &owner = m_window.*control;
                    return owner && owner->ChangeValue(key, text);
                }),
                {qt(component::TranslateText("参数")), qt(component::TranslateText("值"))}, this);
            return view;
        };
    m_ctrl1 = calculationView(&MaintenanceWindow::calculationControl);
    m_ctrl1->setObjectName(QStringLiteral("ctrl1"));
    m_ctrlCost1 = calculationView(&MaintenanceWindow::costCalculationControl);
    m_ctrlCost1->setObjectName(QStringLiteral("ctrlCost1"));
    markSearchHits();

    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("sbStatusBar"));
    for (const auto &panel : m_window.statusBar.panels) {
        auto *label = new QLabel(m_statusBar);
        label->setObjectName(qt("sb" + panel.key));
        label->setMinimumWidth(pixelsOfTwips(panel.widthTwips));
        m_statusBar->addWidget(label);
        m_panels.push_back(label);
    }
    auto *account = new QLabel(m_statusBar);
    account->setObjectName(QStringLiteral("sbAccount"));
    account->setText(
        qt(component::TranslateText("账套：%1")).arg(QFileInfo(accountInUse()).fileName()) +
        QStringLiteral("    ") + qt(component::TranslateText("用户：%1")).arg(userInUse()));
    account->setToolTip(accountInUse());
    account->setVisible(!accountInUse().isEmpty());
    m_statusBar->addPermanentWidget(account);
}

QWidget *MainWindowView::buildContentPane()
{
    auto *pane = new QWidget(this);
    auto *layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    m_itemTitle->setContentsMargins(2, 2, 2, 2);
    QFont bold = m_itemTitle->font();
    bold.setBold(true);
    m_itemTitle->setFont(bold);
    layout->addWidget(m_itemTitle);
    layout->addWidget(m_overallOptions, 3);
    m_content = new QStackedWidget(pane);
    m_empty = new QWidget(m_content);
    for (QWidget *page :
         {static_cast<QWidget *>(m_grid), static_cast<QWidget *>(m_optionPage),
          static_cast<QWidget *>(m_ctrl1), static_cast<QWidget *>(m_ctrlCost1), m_empty})
        m_content->addWidget(page);
    layout->addWidget(m_content, 2);
    return pane;
}

// The options and rows the window's search marks take the search's colour.
void MainWindowView::markSearchHits()
{
    const QBrush hit(SearchBox::hitColor());
    m_grid->ledgerModel().markRows([this](int row) { return m_window.isSearchHitRow(row); }, hit);
    for (auto *sheet : {m_optionPage, m_ctrl1, m_ctrlCost1})
        sheet->markRows([this](const std::string &key) { return m_window.isSearchHit(key); }, hit);
}

QWidget *MainWindowView::buildTreePane()
{
    auto *pane = new QWidget(this);
    auto *layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(m_search);
    layout->addWidget(m_tree, 1);
    return pane;
}

void MainWindowView::buildLayout()
{
    QFont titleFont = m_classTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.35);
    m_classTitle->setFont(titleFont);
    m_classTitle->setContentsMargins(12, 7, 12, 7);
    m_classTitle->setAutoFillBackground(true);
    QPalette band = m_classTitle->palette();
    const QColor accent = band.color(QPalette::Highlight);
    band.setColor(QPalette::Window, QColor::fromHsv(accent.hsvHue(), 28, 250));
    band.setColor(QPalette::WindowText, accent.darker(170));
    m_classTitle->setPalette(band);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("splitter"));
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setHandleWidth(5);
    m_splitter->addWidget(buildTreePane());
    m_splitter->addWidget(buildContentPane());
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_tree->setMinimumWidth(pixelsOfTwips(m_window.splitter.minimum));
    m_splitter->widget(1)->setMinimumWidth(pixelsOfTwips(MaintenanceWindow::SplitterLimit));

    auto *body = new QVBoxLayout;
    body->setContentsMargins(6, 4, 6, 4);
    body->setSpacing(6);
    body->addWidget(m_classTitle);
    body->addWidget(m_splitter, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menus->menuBar());
    layout->addWidget(m_toolbar->toolBar());
    layout->addLayout(body, 1);
    layout->addWidget(m_statusBar);
}

void MainWindowView::connectActions()
{
    connect(m_tree, &ParameterTreeView::nodeChosen, this, &MainWindowView::chooseNode);
    connect(m_menus, &MenuBinder::itemChosen, this, &MainWindowView::chooseMenuItem);
    connect(m_toolbar, &ToolbarBinder::buttonPressed, this, &MainWindowView::pressToolButton);
    connect(m_grid, &LedgerTableView::rowDoubleClicked, this,
            [this] { withWaitCursor([this] { m_window.modify(); }); });
    connect(m_grid, &LedgerTableView::rightButtonReleased, this, [this](const QPoint &at) {
        withWaitCursor([this] { m_window.gridPopup(); });
        showPopup(at);
    });
    connect(m_splitter, &QSplitter::splitterMoved, this,
            [this](int position) { onSplitterMoved(position); });
    connect(m_overallOptions, &OverallOptionList::entryToggled, this,
            [this](const std::string &key, bool checked) {
                withWaitCursor(
                    [this, &key, checked] { m_window.toggleOverallOption(key, checked); });
            });
    connect(m_overallOptions, &OverallOptionList::rightButtonReleased, this,
            [this](const QPoint &at) {
                withWaitCursor([this] { m_window.overallOptionsPopup(); });
                showPopup(at);
            });
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this,
            [this] { guarded([this] { m_window.keyDown(forms::KeyCodeF1, 0); }); });
    connectListKeys();
    connectSearch();
}

// Typing searches and filters the tree, Enter goes to the next match, Ctrl+F takes the
// focus to the box.
void MainWindowView::connectSearch()
{
    connect(m_search, &SearchBox::textTyped, this, [this](const std::string &text) {
        guarded([this, &text] { m_window.setSearchText(text); });
        refresh();
    });
    connect(m_search, &SearchBox::nextRequested, this,
            [this] { withWaitCursor([this] { m_window.nextMatch(); }); });
    auto *find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, m_search, &SearchBox::takeFocus);
}

// The keys list users expect on the list: Ins adds, Enter or F2 modifies, Del deletes,
// Ctrl+C copies; each only where its toolbar button is offered.
void MainWindowView::connectListKeys()
{
    const std::pair<QKeySequence, const char *> keys[] = {
        {QKeySequence(Qt::Key_Insert), "New"},    {QKeySequence(Qt::Key_Return), "Modify"},
        {QKeySequence(Qt::Key_Enter), "Modify"},  {QKeySequence(Qt::Key_F2), "Modify"},
        {QKeySequence(Qt::Key_Delete), "Delete"}, {QKeySequence::Copy, "Copy"},
    };
    for (const auto &[sequence, key] : keys) {
        auto *shortcut = new QShortcut(sequence, m_grid);
        shortcut->setContext(Qt::WidgetShortcut);
        const std::string button = key;
        connect(shortcut, &QShortcut::activated, this, [this, button] {
            const auto &offered = m_window.toolbar.button(button);
            if (offered.visible && offered.enabled)
                pressToolButton(button);
        });
    }
}

QWidget *MainWindowView::shownContent() const
{
    return m_content->currentWidget();
}

// Runs a user action on the window with the wait cursor, which is gone before a failure
// is shown, then shows the window again.
template <class Action>
void MainWindowView::withWaitCursor(Action action)
{
    guarded([&action] {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        action();
    });
    refresh();
}

void MainWindowView::chooseNode(const std::string &key)
{
    if (m_rendering)
        return;
    withWaitCursor([this, &key] { m_window.selectAndClick(key); });
}

void MainWindowView::chooseMenuItem(const std::string &path)
{
    const auto mode =
        base::startsWithNoCase(path, "File.") ? printModeOf(lastName(path)) : std::nullopt;
    if (mode)
        usePrintFont();
    bool ran = false;
    withWaitCursor([this, &path, &ran] { ran = m_window.menuClick(path); });
    if (!ran)
        return;
    runViewCommand(path);
}

void MainWindowView::pressToolButton(const std::string &key)
{
    if (printModeOf(key))
        usePrintFont();
    withWaitCursor([this, &key] { m_window.toolbarClick(key); });
}

// Lists print in the font the grid shows them in.
void MainWindowView::usePrintFont()
{
    if (auto *printer = QtPrinter::installed())
        printer->setBodyFont(m_grid->font());
}

void MainWindowView::runViewCommand(const std::string &path)
{
    if (base::equalsNoCase(path, "File.PrintSetup")) {
        if (auto *printer = QtPrinter::installed())
            printer->printSetup(this);
    } else if (base::equalsNoCase(path, "Format.PageSetup")) {
        if (auto *printer = QtPrinter::installed())
            printer->pageSetup(this);
    } else if (base::equalsNoCase(path, "Format.Font")) {
        chooseFont(false);
    } else if (base::equalsNoCase(path, "Format.TitleFont")) {
        chooseFont(true);
    } else if (base::equalsNoCase(path, "Help.About")) {
        showAboutBox(this);
    }
}

void MainWindowView::chooseFont(bool titles)
{
    if (titles) {
        const auto chosen = askFont(m_classTitle->font(), this);
        if (!chosen)
            return;
        m_classTitle->setFont(*chosen);
        QFont item = *chosen;
        item.setPointSizeF(std::max(1.0, chosen->pointSizeF() / 1.35));
        m_itemTitle->setFont(item);
        return;
    }
    const auto chosen = askFont(m_grid->font(), this);
    if (!chosen)
        return;
    for (QWidget *widget : {static_cast<QWidget *>(m_grid), static_cast<QWidget *>(m_optionPage),
                            static_cast<QWidget *>(m_ctrl1), static_cast<QWidget *>(m_ctrlCost1)})
        widget->setFont(*chosen);
}

void MainWindowView::showPopup(const QPoint &at)
{
    if (!m_window.popupShown)
        return;
    m_window.popupShown = false;
    m_menus->update();
    m_menus->popupMenu()->exec(at);
}

void MainWindowView::onSplitterMoved(int position)
{
    if (m_rendering)
        return;
    m_window.windowWidth = twipsOfPixels(width());
    guarded([this, position] { m_window.dragSplitter(twipsOfPixels(position)); });
}

void MainWindowView::refresh()
{
    if (m_rendering)
        return;
    m_rendering = true;
    setWindowTitle(qt(m_window.caption));
    m_classTitle->setText(qt(m_window.classTitle.caption));
    m_classTitle->setVisible(m_window.classTitle.visible);
    m_itemTitle->setText(qt(m_window.itemTitle.caption));
    m_itemTitle->setVisible(m_window.itemTitle.visible);
    m_tree->render(m_window.selectedKey());
    m_search->render(m_window.search().text(), m_window.search().emptyText());
    renderContent();
    renderOverallOptions();
    renderBars();
    renderStatus();
    renderSplitter();
    renderPointer();
    startTimerWhenEnabled();
    m_rendering = false;
}

void MainWindowView::renderContent()
{
    QWidget *shown = m_empty;
    if (m_window.optionPageVisible) {
        m_optionPage->render();
        shown = m_optionPage;
    } else if (m_window.calculationControlVisible) {
        m_ctrl1->render();
        shown = m_ctrl1;
    } else if (m_window.costCalculationControlVisible) {
        m_ctrlCost1->render();
        shown = m_ctrlCost1;
    } else if (m_window.listVisible) {
        shown = m_grid;
    }
    // The grid follows its state even while another page covers it.
    m_grid->render();
    m_content->setCurrentWidget(shown);
}

void MainWindowView::renderOverallOptions()
{
    const auto &list = m_window.overallOptionList;
    m_overallOptions->render(list);
    // The list shares its node with the option page: it takes the room the page's rows
    // leave. A list the window did not fill stays out of view.
    const bool shown = list.visible && !list.items.empty();
    m_overallOptions->setVisible(shown);
    m_content->setMaximumHeight(shown ? m_optionPage->contentHeight() : QWIDGETSIZE_MAX);
}

void MainWindowView::renderBars()
{
    m_menus->update();
    m_toolbar->update(menuChecked(m_window, "View.ToolbarLabels"));
    m_toolbar->toolBar()->setVisible(menuChecked(m_window, "View.Toolbar"));
    m_statusBar->setVisible(menuChecked(m_window, "View.StatusBar"));
}

void MainWindowView::renderStatus()
{
    const auto &panels = m_window.statusBar.panels;
    for (std::size_t i = 0; i < panels.size() && i < m_panels.size(); ++i)
        m_panels[i]->setText(qt(panels[i].text));
}

void MainWindowView::renderSplitter()
{
    const int left = pixelsOfTwips(m_window.splitter.position);
    const auto sizes = m_splitter->sizes();
    if (sizes.size() != 2 || std::abs(sizes[0] - left) <= 1)
        return;
    const int total = sizes[0] + sizes[1];
    m_splitter->setSizes({left, std::max(0, total - left)});
}

void MainWindowView::renderPointer()
{
    const bool busy = m_window.mousePointer == MaintenanceWindow::HourglassPointer;
    if (busy == m_waitCursorShown)
        return;
    m_waitCursorShown = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void MainWindowView::startTimerWhenEnabled()
{
    if (m_window.reselectTimer.enabled && !m_timer.isActive())
        m_timer.start(std::max(0, m_window.reselectTimer.intervalMs));
}

void MainWindowView::keyPressEvent(QKeyEvent *event)
{
    // The maintenance window stays open on Escape; it closes from its menu or title bar.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    FormDialog::keyPressEvent(event);
}

void MainWindowView::resizeEvent(QResizeEvent *event)
{
    FormDialog::resizeEvent(event);
    m_window.windowWidth = twipsOfPixels(width());
    notePlacement();
}

void MainWindowView::moveEvent(QMoveEvent *event)
{
    FormDialog::moveEvent(event);
    notePlacement();
}

void MainWindowView::showEvent(QShowEvent *event)
{
    FormDialog::showEvent(event);
    fitTreeCaptions();
}

// The size and place the user left the window at, where it still fits the screen.
void MainWindowView::restorePlacement()
{
    const auto &placement = m_window.placement;
    if (placement.width <= 0 || placement.height <= 0)
        return;
    const QRect stored(pixelsOfTwips(placement.left), pixelsOfTwips(placement.top),
                       pixelsOfTwips(placement.width), pixelsOfTwips(placement.height));
    const QRect available = screen() ? screen()->availableGeometry() : stored;
    resize(std::clamp(stored.width(), SmallestSize.width(),
                      std::max(SmallestSize.width(), available.width())),
           std::clamp(stored.height(), SmallestSize.height(),
                      std::max(SmallestSize.height(), available.height())));
    if (available.intersects(QRect(stored.topLeft(), QSize(100, 40))))
        move(stored.topLeft());
}

void MainWindowView::notePlacement()
{
    auto &placement = m_window.placement;
    placement.left = twipsOfPixels(x());
    placement.top = twipsOfPixels(y());
    placement.width = twipsOfPixels(width());
    placement.height = twipsOfPixels(height());
}

// Until the user drags the splitter, the tree is made wide enough for its captions (up
// to two fifths of the window).
void MainWindowView::fitTreeCaptions()
{
    if (m_window.splitterPlacedByUser)
        return;
    const int needed = m_tree->widthForCaptions();
    const int left = std::min(needed, width() * 2 / 5);
    if (left > pixelsOfTwips(m_window.splitter.position))
        m_window.placeSplitter(twipsOfPixels(left));
}

void registerMainWindowView(std::function<void(MainWindowView &)> prepare)
{
    QtShell::registerView("frmSysMainInface", [prepare](forms::Form &form, QWidget *parent) {
        auto view =
            std::make_unique<MainWindowView>(dynamic_cast<MaintenanceWindow &>(form), parent);
        if (prepare)
            prepare(*view);
        return std::unique_ptr<QDialog>(std::move(view));
    });
}

} // namespace orvan::gui
