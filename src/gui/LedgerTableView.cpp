#include "gui/LedgerTableView.h"

#include <QHeaderView>
#include <QMouseEvent>

#include "forms/LedgerGrid.h"
#include "gui/ActionGuard.h"
#include "gui/LedgerTableModel.h"
#include "gui/Twips.h"

namespace orvan::gui {

LedgerTableView::LedgerTableView(forms::LedgerGrid &grid, QWidget *parent)
    : QTableView(parent)
    , m_grid(grid)
    , m_model(new LedgerTableModel(grid, this))
{
    setObjectName(QStringLiteral("ldgBase"));
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->viewport()->installEventFilter(this);

    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            &LedgerTableView::onSectionResized);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { onCurrentChanged(current); });
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            emit rowDoubleClicked();
    });
    render();
}

void LedgerTableView::render()
{
    m_rendering = true;
    if (m_model->sync() || !m_widthsApplied)
        applyColumnWidths();
    showCurrentRow();
    m_rendering = false;
}

// A column without a stored width fits its heading and its first rows.
int LedgerTableView::defaultWidth(int section) const
{
    constexpr int RowsMeasured = 30;
    const auto &metrics = fontMetrics();
    int widest = metrics.horizontalAdvance(
        m_model->headerData(section, Qt::Horizontal, Qt::DisplayRole).toString());
    for (int row = 0; row < std::min(RowsMeasured, m_model->rowCount()); ++row)
        widest = std::max(
            widest, metrics.horizontalAdvance(m_model->index(row, section).data().toString()));
    return std::clamp(widest + 24, 40, 320);
}

void LedgerTableView::applyColumnWidths()
{
    m_widthsApplied = true;
    const auto shown = m_grid.shownColumns();
    for (int section = 0; section < m_model->columnCount(); ++section) {
        const auto index = static_cast<std::size_t>(section);
        setColumnHidden(section, index < shown.size() && !shown[index]);
        const int twips = m_grid.columnWidth(section + 1);
        setColumnWidth(section, twips > 0 ? pixelsOfTwips(twips) : defaultWidth(section));
    }
}

void LedgerTableView::showCurrentRow()
{
    const int row = LedgerTableModel::modelRow(m_grid.currentRow());
    if (row < 0 || row >= m_model->rowCount()) {
        clearSelection();
        return;
    }
    const int column =
        std::clamp(m_grid.currentColumn() - 1, 0, std::max(0, m_model->columnCount() - 1));
    const auto index = m_model->index(row, column);
    if (currentIndex().row() != row) {
        setCurrentIndex(index);
        scrollTo(index);
    }
    selectRow(row);
}

void LedgerTableView::onSectionResized(int section, int, int newSize)
{
    if (m_rendering || !m_userResizing)
        return;
    m_grid.setColumnWidth(section + 1, twipsOfPixels(newSize));
}

void LedgerTableView::onCurrentChanged(const QModelIndex &current)
{
    if (m_rendering || !current.isValid())
        return;
    m_grid.setCurrentColumn(current.column() + 1);
    const int row = LedgerTableModel::gridRow(current.row());
    if (row != m_grid.currentRow())
        guarded([this, row] { m_grid.setCurrentRow(row); });
}

void LedgerTableView::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
}

void LedgerTableView::mouseReleaseEvent(QMouseEvent *event)
{
    QTableView::mouseReleaseEvent(event);
    if (event->button() == Qt::RightButton)
        emit rightButtonReleased(event->globalPosition().toPoint());
}

// Only the user's drags on the header write widths back; the view's own sizing (and the
// stretch of the last column) does not.
bool LedgerTableView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == horizontalHeader()->viewport()) {
        if (event->type() == QEvent::MouseButtonPress ||
            event->type() == QEvent::MouseButtonDblClick)
            m_userResizing = true;
        else if (event->type() == QEvent::MouseButtonRelease)
            m_userResizing = false;
    }
    return QTableView::eventFilter(watched, event);
}

} // namespace orvan::gui
