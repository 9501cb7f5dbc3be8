#include "gui/CellGridModel.h"

#include <QApplication>
#include <QColor>
#include <QPalette>

#include <algorithm>

#include "forms/CellGrid.h"
#include "gui/CellGridActions.h"
#include "gui/CellGridLayout.h"
#include "gui/ViewTexts.h"

namespace orvan::gui {

using forms::CellType;
using forms::GridCell;

namespace {

// Texts longer than this show in full in a tool tip.
constexpr int LongestUntipped = 12;

// Colours are kept as the host's 0x00BBGGRR.
QColor hostColor(uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

bool isNumberCell(const GridCell &cell)
{
    return cell.type == CellType::Integer || cell.type == CellType::Float;
}

} // namespace

bool CellGridModel::hasEditor(const GridCell &cell)
{
    return cell.type != CellType::CheckBox && cell.type != CellType::Static &&
           cell.type != CellType::Button;
}

CellGridModel::CellGridModel(const forms::CellGrid &grid, const CellGridLayout &layout,
                             const CellGridActions &actions, QObject *parent)
    : QAbstractTableModel(parent)
    , m_grid(grid)
    , m_layout(layout)
    , m_actions(actions)
{
    m_rows = gridRows();
    m_cols = gridCols();
}

int CellGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int CellGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_cols;
}

int CellGridModel::colOf(const QModelIndex &index) const
{
    return index.column() + m_layout.firstCol;
}

int CellGridModel::rowOf(const QModelIndex &index) const
{
    return index.row() + m_layout.firstRow;
}

bool CellGridModel::inside(const QModelIndex &index) const
{
    return index.isValid() && colOf(index) <= m_grid.maxCols() && rowOf(index) <= m_grid.maxRows();
}

QString CellGridModel::shown(int col, const std::string &text) const
{
    return qt(m_actions.shownText ? m_actions.shownText(col, text) : text);
}

bool CellGridModel::readOnlyColumn(int col) const
{
    return m_layout.readOnlyCols.contains(col);
}

QVariant CellGridModel::data(const QModelIndex &index, int role) const
{
    if (!inside(index))
        return {};
    const int col = colOf(index);
    const auto &cell = m_grid.cell(col, rowOf(index));
    switch (role) {
    case Qt::DisplayRole:
        return cell.type == CellType::CheckBox ? QVariant() : QVariant(shown(col, cell.text));
    case Qt::EditRole:
        return qt(cell.text);
    case Qt::CheckStateRole:
        if (cell.type != CellType::CheckBox)
            return {};
        return int(forms::isCheckedText(cell.text) ? Qt::Checked : Qt::Unchecked);
    case Qt::BackgroundRole:
        if (readOnlyColumn(col) && cell.backColor == GridCell{}.backColor)
            return QApplication::palette().window();
        return hostColor(cell.backColor);
    case Qt::ForegroundRole:
        return hostColor(cell.foreColor);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignVCenter | (isNumberCell(cell) ? Qt::AlignRight : Qt::AlignLeft));
    case Qt::ToolTipRole: {
        const auto text = shown(col, cell.text);
        return text.size() > LongestUntipped ? QVariant(text) : QVariant();
    }
    default:
        return {};
    }
}

QVariant CellGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || !m_layout.headings)
        return {};
    const int col = section + m_layout.firstCol;
    return col <= m_grid.maxCols() ? qt(m_grid.text(col, 0)) : QVariant();
}

Qt::ItemFlags CellGridModel::flags(const QModelIndex &index) const
{
    if (!inside(index))
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const int col = colOf(index);
    const auto &cell = m_grid.cell(col, rowOf(index));
    if (cell.locked || readOnlyColumn(col))
        return flags;
    if (cell.type == CellType::CheckBox)
        return flags | Qt::ItemIsUserCheckable;
    if (hasEditor(cell))
        return flags | Qt::ItemIsEditable;
    return flags;
}

bool CellGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    return inside(index) && commit && commit(index, value, role);
}

bool CellGridModel::refresh(bool mayReset)
{
    if (gridRows() != m_rows || gridCols() != m_cols) {
        if (!mayReset)
            return true;
        beginResetModel();
        m_rows = gridRows();
        m_cols = gridCols();
        endResetModel();
        return false;
    }
    if (m_rows > 0 && m_cols > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, m_cols - 1));
    if (m_layout.headings && m_cols > 0)
        emit headerDataChanged(Qt::Horizontal, 0, m_cols - 1);
    return false;
}

int CellGridModel::gridRows() const
{
    return std::max(0, m_grid.maxRows() - m_layout.firstRow + 1);
}

int CellGridModel::gridCols() const
{
    return std::max(0, m_grid.maxCols() - m_layout.firstCol + 1);
}

} // namespace orvan::gui
