#include "gui/LedgerTableModel.h"

#include <QBrush>
#include <QColor>

#include "forms/LedgerGrid.h"
#include "gui/ViewTexts.h"

namespace orvan::gui {
namespace {

// Rows kept at most; a long list scrolled end to end is read again when it comes back.
constexpr std::size_t RowsKept = 4000;

// The host's colours are 0x00BBGGRR.
QColor hostColor(uint32_t color)
{
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

Qt::Alignment alignmentOf(int align)
{
    switch (align) {
    case 1:
        return Qt::AlignRight | Qt::AlignVCenter;
    case 2:
        return Qt::AlignCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

} // namespace

LedgerTableModel::LedgerTableModel(forms::LedgerGrid &grid, QObject *parent)
    : QAbstractTableModel(parent)
    , m_grid(grid)
    , m_shape(currentShape())
{}

LedgerTableModel::Shape LedgerTableModel::currentShape() const
{
    return {m_grid.refreshCount(), m_grid.rowCount(), m_grid.columnCount()};
}

int LedgerTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : std::max(0, m_shape.rows - 1);
}

int LedgerTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : std::max(0, m_shape.columns);
}

const std::vector<std::string> &LedgerTableModel::cells(int gridRow) const
{
    const auto found = m_rows.find(gridRow);
    if (found != m_rows.end())
        return found->second;
    if (m_rows.size() >= RowsKept)
        m_rows.clear();
    return m_rows.emplace(gridRow, m_grid.rowText(gridRow)).first->second;
}

QVariant LedgerTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int row = gridRow(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: {
        const auto &texts = cells(row);
        const auto column = static_cast<std::size_t>(index.column());
        return column < texts.size() ? qt(texts[column]) : QString();
    }
    case Qt::BackgroundRole: {
        cells(row); // reading a row sets its colour
        const auto color = m_grid.rowColor(row);
        if (color != m_grid.backColor())
            return QBrush(hostColor(color));
        if (m_marked && m_marked(row))
            return m_markBrush;
        return {};
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignmentOf(m_grid.columnAlign(index.column() + 1)));
    default:
        return {};
    }
}

QVariant LedgerTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole)
            return section + 1;
        return {};
    }
    if (role != Qt::DisplayRole || m_shape.rows < 1)
        return {};
    const auto &texts = cells(1);
    const auto column = static_cast<std::size_t>(section);
    return column < texts.size() ? qt(texts[column]) : QString();
}

void LedgerTableModel::markRows(std::function<bool(int gridRow)> marked, QBrush brush)
{
    m_marked = std::move(marked);
    m_markBrush = std::move(brush);
}

bool LedgerTableModel::sync()
{
    if (currentShape() == m_shape) {
        if (rowCount() > 0 && columnCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                             {Qt::BackgroundRole});
        return false;
    }
    reload();
    return true;
}

void LedgerTableModel::reload()
{
    beginResetModel();
    m_rows.clear();
    m_shape = currentShape();
    endResetModel();
}

} // namespace orvan::gui
