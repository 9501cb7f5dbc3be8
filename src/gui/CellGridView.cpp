#include "gui/CellGridView.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTimer>

#include "forms/CellGrid.h"
#include "gui/CellGridDelegate.h"
#include "gui/CellGridModel.h"
#include "gui/Twips.h"

namespace orvan::gui {

using forms::GridCell;

namespace {

constexpr int KeyCodeF7 = 118;
constexpr int KeyCodeF8 = 119;
constexpr int KeyAsciiBackspace = 8;
constexpr int MinimumFreeWidth = 100;
constexpr int ContentPadding = 12;

} // namespace

CellGridView::CellGridView(const forms::CellGrid &grid, CellGridLayout layout,
                           CellGridActions actions, QWidget *parent)
    : QTableView(parent)
    , m_grid(grid)
    , m_layout(std::move(layout))
    , m_actions(std::move(actions))
{
    m_model = new CellGridModel(m_grid, m_layout, m_actions, this);
    m_model->commit = [this](const QModelIndex &index, const QVariant &value, int role) {
        return commit(index, value, role);
    };
    setModel(m_model);
    setItemDelegate(new CellGridDelegate(*this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setWordWrap(false);
    setAlternatingRowColors(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 12);
    horizontalHeader()->setVisible(m_layout.headings);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    connect(qApp, &QApplication::focusChanged, this, &CellGridView::focusMoved);
    applyShape();
    followActiveCell();
}

CellGridView::~CellGridView()
{
    disconnect(qApp, &QApplication::focusChanged, this, &CellGridView::focusMoved);
}

void CellGridView::render()
{
    if (m_model->refresh(!m_acting)) {
        // The grid changed its size inside an edit: rebuilt once the edit is over.
        QTimer::singleShot(0, this, [this] { render(); });
        return;
    }
    applyShape();
    followActiveCell();
    viewport()->update();
}

void CellGridView::applyShape()
{
    for (int i = 0; i < m_model->columnCount(); ++i) {
        const int col = i + m_layout.firstCol;
        setColumnHidden(i, m_grid.columnHidden(col));
        if (m_layout.stretchCols.contains(col)) {
            horizontalHeader()->setSectionResizeMode(i, QHeaderView::Stretch);
            continue;
        }
        const int twips = m_grid.columnWidth(col);
        if (twips > 0) {
            const int heading = m_layout.headings ? horizontalHeader()->sectionSizeHint(i) : 0;
            setColumnWidth(i, std::max(pixelsOfTwips(twips), heading));
        } else {
            resizeColumnToContents(i);
            setColumnWidth(i, std::max(columnWidth(i) + ContentPadding, MinimumFreeWidth));
        }
    }
    for (int i = 0; i < m_model->rowCount(); ++i)
        setRowHidden(i, m_grid.rowHidden(i + m_layout.firstRow));
}

// The cursor stands where the grid's active cell is, unless the user is moving it.
void CellGridView::followActiveCell()
{
    const QModelIndex active = indexOf(m_grid.activeCol(), m_grid.activeRow());
    if (!active.isValid() || active == currentIndex() || m_rendering)
        return;
    m_rendering = true;
    selectionModel()->setCurrentIndex(active, QItemSelectionModel::ClearAndSelect);
    m_rendering = false;
}

QModelIndex CellGridView::indexOf(int col, int row) const
{
    return m_model->index(row - m_layout.firstRow, col - m_layout.firstCol);
}

std::pair<int, int> CellGridView::cellOf(const QModelIndex &index) const
{
    return {m_model->colOf(index), m_model->rowOf(index)};
}

QString CellGridView::shownText(int col, int row) const
{
    return m_model->data(indexOf(col, row), Qt::DisplayRole).toString();
}

bool CellGridView::acceptsText(const QString &text) const
{
    if (!m_actions.acceptsKey)
        return true;
    for (const QChar c : text) {
        const int code = c.unicode();
        const bool control = code < 32 || code == 127;
        if ((!control || code == KeyAsciiBackspace) && !m_actions.acceptsKey(code))
            return false;
    }
    return true;
}

bool CellGridView::isActive(const QModelIndex &index) const
{
    const auto [col, row] = cellOf(index);
    return !m_actions.enterCell || (col == m_grid.activeCol() && row == m_grid.activeRow());
}

const GridCell &CellGridView::prepareEdit(const QModelIndex &index)
{
    const auto [col, row] = cellOf(index);
    if (m_actions.enterCell && !m_acting)
        m_actions.enterCell(col, row);
    return m_grid.cell(col, row);
}

void CellGridView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    const bool rendering = m_rendering;
    m_rendering = true; // an edit of the previous cell committed here must not move us back
    QTableView::currentChanged(current, previous);
    m_rendering = rendering;
    if (m_rendering || !m_model->inside(current))
        return;
    const auto [col, row] = cellOf(current);
    if (col == m_grid.activeCol() && row == m_grid.activeRow())
        return;
    if (m_actions.enterCell && !m_actions.enterCell(col, row)) {
        // Refused: back to the active cell once the click that moved us is over.
        QTimer::singleShot(0, this, [this] { render(); });
        return;
    }
    render();
}

bool CellGridView::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    if (index.isValid() && (!m_model->inside(index) || !isActive(index)))
        return false;
    return QTableView::edit(index, trigger, event);
}

bool CellGridView::commit(const QModelIndex &index, const QVariant &value, int role)
{
    if (m_acting || !isActive(index))
        return false;
    const auto [col, row] = cellOf(index);
    const auto &cell = m_grid.cell(col, row);
    bool taken = false;
    m_acting = true;
    if (role == Qt::CheckStateRole) {
        if (m_actions.clickBox)
            taken = m_actions.clickBox(col, row, value.toInt() == Qt::Checked);
    } else if (role == CellGridModel::ListIndexRole) {
        const int chosen = value.toInt();
        if (m_actions.chooseItem)
            taken = m_actions.chooseItem(col, row, chosen);
        else if (m_actions.typeText && chosen >= 0 &&
                 chosen < static_cast<int>(cell.listItems.size()))
            taken = m_actions.typeText(col, row, cell.listItems[std::size_t(chosen)]);
    } else if (role == Qt::EditRole) {
        const auto text = value.toString().toStdString();
        if (m_actions.typeText && text != cell.text)
            taken = m_actions.typeText(col, row, text);
    }
    m_acting = false;
    render();
    return taken;
}

void CellGridView::finishEdit()
{
    if (auto *editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void CellGridView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F7 || event->key() == Qt::Key_F8) {
        finishEdit();
        if (m_actions.keyDown)
            m_actions.keyDown(event->key() == Qt::Key_F7 ? KeyCodeF7 : KeyCodeF8);
        render();
        event->accept();
        return;
    }
    if (!event->text().isEmpty() && !acceptsText(event->text())) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

// The focus went from the grid (or its editor) to another control of the same window.
void CellGridView::focusMoved(QWidget *from, QWidget *to)
{
    if (m_leaving || !from || !to || to->window() != window())
        return;
    const bool wasInside = from == this || isAncestorOf(from);
    const bool isInside = to == this || isAncestorOf(to);
    if (!wasInside || isInside || !m_actions.leaveGrid)
        return;
    m_leaving = true;
    m_actions.leaveGrid();
    m_leaving = false;
    render();
}

} // namespace orvan::gui
