#include "gui/EditorDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include <functional>
#include <vector>

#include "billcode/BillSettingsPage.h"
#include "editor/EditorPage.h"
#include "editor/RecordEditor.h"
#include "forms/Controls.h"
#include "gui/CellGridView.h"
#include "gui/RuleGridView.h"
#include "gui/ViewTexts.h"

namespace orvan::gui {

using editor::RecordEditor;

// Check boxes in columns, one per forms::CheckBox; a click hands the box's name on.
class BoxPanel : public QWidget
{
public:
    using Click = std::function<void(const std::string &name)>;

    BoxPanel(int columns, Click click, QWidget *parent)
        : QWidget(parent)
        , m_columns(columns)
        , m_click(std::move(click))
        , m_layout(new QGridLayout(this))
    {
        m_layout->setHorizontalSpacing(24);
    }

    void render(const std::vector<forms::CheckBox> &boxes)
    {
        std::vector<std::string> names;
        for (const auto &box : boxes)
            names.push_back(box.name);
        if (names != m_names)
            rebuild(names);
        for (const auto &state : boxes) {
            auto *box = m_boxes.at(state.name);
            box->setText(qt(state.caption));
            box->setTristate(state.value == 2);
            box->setCheckState(state.value == 1   ? Qt::Checked
                               : state.value == 2 ? Qt::PartiallyChecked
                                                  : Qt::Unchecked);
            box->setEnabled(state.enabled);
            box->setVisible(state.visible);
        }
    }

    QCheckBox *box(const std::string &name) const
    {
        const auto found = m_boxes.find(name);
        return found == m_boxes.end() ? nullptr : found->second;
    }

private:
    void rebuild(const std::vector<std::string> &names)
    {
        for (auto &[name, box] : m_boxes)
            delete box;
        m_boxes.clear();
        int index = 0;
        for (const auto &name : names) {
            auto *box = new QCheckBox(this);
            box->setObjectName(qt(name));
            connect(box, &QCheckBox::clicked, this, [this, name] { m_click(name); });
            m_layout->addWidget(box, index / m_columns, index % m_columns);
            m_boxes[name] = box;
            ++index;
        }
        m_names = names;
    }

    int m_columns;
    Click m_click;
    QGridLayout *m_layout;
    std::vector<std::string> m_names;
    std::map<std::string, QCheckBox *> m_boxes;
};

namespace {

// The window's sizes in pixels: a record, and the bill settings with their rule grid.
constexpr QSize RecordSize(540, 330);
constexpr QSize BillSettingsSize(820, 580);

struct ToolIcon
{
    const char *key;
    const char *themeName;
    QStyle::StandardPixmap fallback;
};

constexpr ToolIcon ToolIcons[] = {
    {RecordEditor::NewKey, "document-new", QStyle::SP_FileIcon},
    {RecordEditor::SaveKey, "document-save", QStyle::SP_DialogSaveButton},
    {RecordEditor::FirstKey, "go-first", QStyle::SP_MediaSkipBackward},
    {RecordEditor::PreviousKey, "go-previous", QStyle::SP_ArrowLeft},
    {RecordEditor::NextKey, "go-next", QStyle::SP_ArrowRight},
    {RecordEditor::LastKey, "go-last", QStyle::SP_MediaSkipForward},
    {RecordEditor::ExitKey, "application-exit", QStyle::SP_DialogCloseButton},
};

QIcon iconOf(const std::string &key, const QWidget &widget)
{
    for (const auto &entry : ToolIcons) {
        if (key != entry.key)
            continue;
        const auto themed = QIcon::fromTheme(QString::fromLatin1(entry.themeName));
        return themed.isNull() ? widget.style()->standardIcon(entry.fallback) : themed;
    }
    return {};
}

} // namespace

EditorDialog::EditorDialog(RecordEditor &form, QWidget *parent)
    : FormDialog(form, parent)
    , m_editor(form)
{
    setObjectName(QStringLiteral("frmProtyMdy"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    buildToolbar();

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->tabBar()->setFocusPolicy(Qt::StrongFocus); // taking the focus leaves the grid
    m_firstTab = new QStackedWidget(m_tabs);
    buildPropertyGrid();
    m_firstTab->addWidget(m_grid);
    m_tabs->addTab(m_firstTab, QString());

    auto *optionsTab = new QWidget(m_tabs);
    m_options = new BoxPanel(
        1,
        [this](const std::string &name) {
            guarded([this, &name] { m_editor.clickOption(name); });
            refresh();
        },
        optionsTab);
    auto *optionsLayout = new QVBoxLayout(optionsTab);
    optionsLayout->addWidget(m_options);
    optionsLayout->addStretch();
    m_tabs->addTab(optionsTab, QString());
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (m_rendering)
            return;
        guarded([this, index] { m_editor.changeTab(index); });
        refresh();
    });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 0, 6, 6);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_tabs, 1);
    m_lastChange = new QLabel(this);
    m_lastChange->setObjectName(QStringLiteral("lastChange"));
    m_lastChange->setEnabled(false); // a quiet line under the record
    layout->addWidget(m_lastChange);
    refresh();
}

void EditorDialog::buildToolbar()
{
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("tbToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(24, 24));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const auto &button : m_editor.toolbar().buttons()) {
        QAction *action = nullptr;
        if (button.separator) {
            action = m_toolBar->addSeparator();
        } else {
            action = m_toolBar->addAction(iconOf(button.key, *this), qt(button.caption));
            const auto key = button.key;
            connect(action, &QAction::triggered, this, [this, key] {
                finishEdits();
                guarded([this, &key] { m_editor.press(key); });
                if (!m_editor.closeRequested())
                    refresh();
            });
        }
        action->setObjectName(qt("tb" + button.key));
        m_actions[button.key] = action;
    }
}

void EditorDialog::buildPropertyGrid()
{
    CellGridActions actions;
    actions.enterCell =
        guardedAction([this](int col, int row) { return m_editor.moveToCell(col, row); });
    actions.leaveGrid = guardedAction([this] { m_editor.leaveGrid(); });
    actions.typeText = guardedAction([this](int col, int row, const std::string &text) {
        return m_editor.typeCell(col, row, text);
    });
    actions.clickBox = guardedAction([this](int col, int row, bool ticked) {
        return m_editor.typeCell(col, row, ticked ? "1" : "0");
    });
    actions.keyDown = guardedAction([this](int keyCode) { m_editor.gridKeyDown(keyCode); });
    actions.acceptsKey = guardedAction([this](int keyAscii) {
        return RecordEditor::acceptsKey(keyAscii) && m_editor.acceptsGridKey(keyAscii);
    });
    CellGridLayout layout;
    layout.firstCol = 1;
    layout.firstRow = 1;
    layout.readOnlyCols = {1}; // the captions
    layout.stretchCols = {2};
    m_grid = new CellGridView(m_editor.grid(), std::move(layout), std::move(actions), m_firstTab);
    m_grid->setObjectName(QStringLiteral("vsPropGrid"));
}

QAction *EditorDialog::toolAction(const std::string &key) const
{
    const auto found = m_actions.find(key);
    return found == m_actions.end() ? nullptr : found->second;
}

QCheckBox *EditorDialog::optionBox(const std::string &name) const
{
    return m_options->box(name);
}

QCheckBox *EditorDialog::pageBox(const std::string &name) const
{
    return m_pageBoxes ? m_pageBoxes->box(name) : nullptr;
}

void EditorDialog::refresh()
{
    if (m_rendering)
        return;
    m_rendering = true;
    setWindowTitle(qt(m_editor.caption));
    renderToolbar();
    renderTabs();
    renderFirstTab();
    m_options->render(m_editor.options());
    m_lastChange->setText(qt(m_editor.lastChange()));
    m_lastChange->setVisible(!m_editor.lastChange().empty());
    m_rendering = false;
    if (!m_sized) {
        m_sized = true;
        resize(m_editor.propertyGridVisible() ? RecordSize : BillSettingsSize);
    }
}

// Buttons as the toolbar says; a separator only between two buttons shown.
void EditorDialog::renderToolbar()
{
    const auto &buttons = m_editor.toolbar().buttons();
    bool buttonBefore = false;
    QAction *pendingSeparator = nullptr;
    for (const auto &button : buttons) {
        auto *action = m_actions.at(button.key);
        if (button.separator) {
            action->setVisible(false);
            if (button.visible && buttonBefore)
                pendingSeparator = action;
            continue;
        }
        action->setText(qt(button.caption));
        action->setToolTip(qt(button.toolTip.empty() ? button.caption : button.toolTip));
        action->setEnabled(button.enabled);
        action->setVisible(button.visible);
        if (!button.visible)
            continue;
        if (pendingSeparator)
            pendingSeparator->setVisible(true);
        pendingSeparator = nullptr;
        buttonBefore = true;
    }
}

void EditorDialog::renderTabs()
{
    const auto &tabs = m_editor.tabs();
    m_tabs->setVisible(tabs.visible);
    for (int i = 0; i < m_tabs->count(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        m_tabs->setTabText(i, at < tabs.captions.size() ? qt(tabs.captions[at]) : QString());
        m_tabs->setTabEnabled(i, at < tabs.tabEnabled.size() ? bool(tabs.tabEnabled[at]) : true);
    }
    if (tabs.current >= 0 && tabs.current < m_tabs->count())
        m_tabs->setCurrentIndex(tabs.current);
}

void EditorDialog::renderFirstTab()
{
    auto *page = m_editor.page();
    if (m_editor.propertyGridVisible() || !page) {
        m_firstTab->setCurrentWidget(m_grid);
        m_grid->render();
        return;
    }
    showPagePanel(*page);
    m_pageBoxes->render(page->pageBoxes());
    if (m_ruleView)
        m_ruleView->render();
    m_firstTab->setCurrentWidget(m_pagePanel);
}

// The page's boxes above its rule grid (the bill settings), made once per page.
void EditorDialog::showPagePanel(editor::EditorPage &page)
{
    if (m_panelPage == &page)
        return;
    if (m_pagePanel) {
        m_firstTab->removeWidget(m_pagePanel);
        m_pagePanel->deleteLater();
    }
    m_panelPage = &page;
    m_pagePanel = new QWidget(m_firstTab);
    m_pageBoxes = new BoxPanel(
        2,
        [this](const std::string &name) {
            if (m_panelPage)
                guarded([this, &name] { m_panelPage->clickPageBox(name); });
            refresh();
        },
        m_pagePanel);
    auto *layout = new QVBoxLayout(m_pagePanel);
    layout->addWidget(m_pageBoxes);
    m_ruleView = nullptr;
    if (auto *settings = dynamic_cast<billcode::BillSettingsPage *>(&page)) {
        m_ruleView = new RuleGridView(settings->ruleGrid(), m_pagePanel);
        layout->addWidget(m_ruleView, 1);
    } else {
        layout->addStretch();
    }
    m_firstTab->addWidget(m_pagePanel);
}

// The toolbar takes no focus: a cell still being edited is handed to the form before a
// button or the close box acts on the record.
void EditorDialog::finishEdits()
{
    m_grid->finishEdit();
    if (m_ruleView)
        m_ruleView->table()->finishEdit();
}

void EditorDialog::closeEvent(QCloseEvent *event)
{
    finishEdits();
    FormDialog::closeEvent(event);
}

void EditorDialog::reject()
{
    finishEdits();
    FormDialog::reject();
}

// F7 and F8 belong to the grid; elsewhere in the window they do nothing.
void EditorDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F7 || event->key() == Qt::Key_F8) {
        event->accept();
        return;
    }
    FormDialog::keyPressEvent(event);
}

} // namespace orvan::gui
