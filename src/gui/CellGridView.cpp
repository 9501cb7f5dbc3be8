#include "gui/CellGridView.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QColor>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QValidator>

#include <cmath>
#include <limits>

#include "base/Convert.h"
#include "forms/CellGrid.h"
#include "gui/Twips.h"
#include "gui/ViewTexts.h"

namespace orvan::gui {

using forms::CellType;
using forms::GridCell;

namespace {

// The role under which a list editor hands back the index of the chosen entry.
constexpr int ListIndexRole = Qt::UserRole + 1;
constexpr int KeyCodeF7 = 118;
constexpr int KeyCodeF8 = 119;
constexpr int KeyAsciiBackspace = 8;
constexpr double UnboundedNumber = 1e12;
constexpr int MinimumFreeWidth = 100;
constexpr int ContentPadding = 12;
const QString DateFormat = QStringLiteral("yyyy-MM-dd");

// Colours are kept as the host's 0x00BBGGRR.
QColor hostColor(uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

bool hasEditor(const GridCell &cell)
{
    return cell.type != CellType::CheckBox && cell.type != CellType::Static &&
           cell.type != CellType::Button;
}

bool isNumberCell(const GridCell &cell)
{
    return cell.type == CellType::Integer || cell.type == CellType::Float;
}

// Discards typed characters the grid's filter refuses, in any editor of the grid.
class KeyFilter : public QObject
{
public:
    KeyFilter(const CellGridView &view, QObject *parent)
        : QObject(parent)
        , m_view(view)
    {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (!key->text().isEmpty() && !m_view.acceptsText(key->text()))
                return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const CellGridView &m_view;
};

// Keeps pasted text to the characters the filter takes.
class KeyValidator : public QValidator
{
public:
    KeyValidator(const CellGridView &view, QObject *parent)
        : QValidator(parent)
        , m_view(view)
    {}

    State validate(QString &input, int &pos) const override
    {
        QString kept;
        int keptBeforeCursor = 0;
        for (int i = 0; i < input.size(); ++i) {
            if (!m_view.acceptsText(input.at(i)))
                continue;
            kept += input.at(i);
            if (i < pos)
                ++keptBeforeCursor;
        }
        input = kept;
        pos = keptBeforeCursor;
        return Acceptable;
    }

private:
    const CellGridView &m_view;
};

} // namespace

// The grid's cells as a table model; edits go to the view, which hands them to the owner.
class CellGridModel : public QAbstractTableModel
{
public:
    using Commit = std::function<bool(const QModelIndex &, const QVariant &, int role)>;

    CellGridModel(const forms::CellGrid &grid, const CellGridLayout &layout,
                  const CellGridActions &actions, QObject *parent)
        : QAbstractTableModel(parent)
        , m_grid(grid)
        , m_layout(layout)
        , m_actions(actions)
    {
        m_rows = gridRows();
        m_cols = gridCols();
    }

    Commit commit;

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : m_rows;
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : m_cols;
    }

    int colOf(const QModelIndex &index) const { return index.column() + m_layout.firstCol; }
    int rowOf(const QModelIndex &index) const { return index.row() + m_layout.firstRow; }

    // Whether the index is a cell of the grid as it is now (the model may still have the
    // size of the grid shown last).
    bool inside(const QModelIndex &index) const
    {
        return index.isValid() && colOf(index) <= m_grid.maxCols() &&
               rowOf(index) <= m_grid.maxRows();
    }

    QString shown(int col, const std::string &text) const
    {
        return qt(m_actions.shownText ? m_actions.shownText(col, text) : text);
    }

    bool readOnlyColumn(int col) const { return m_layout.readOnlyCols.contains(col); }

    QVariant data(const QModelIndex &index, int role) const override
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
            return text.size() > 12 ? QVariant(text) : QVariant();
        }
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || !m_layout.headings)
            return {};
        const int col = section + m_layout.firstCol;
        return col <= m_grid.maxCols() ? qt(m_grid.text(col, 0)) : QVariant();
    }

    Qt::ItemFlags flags(const QModelIndex &index) const override
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

    bool setData(const QModelIndex &index, const QVariant &value, int role) override
    {
        return inside(index) && commit && commit(index, value, role);
    }

    // Takes the grid's size (a reset) when it changed and may, else repaints every cell.
    // Returns whether the size still differs.
    bool refresh(bool mayReset)
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

private:
    int gridRows() const { return std::max(0, m_grid.maxRows() - m_layout.firstRow + 1); }
    int gridCols() const { return std::max(0, m_grid.maxCols() - m_layout.firstCol + 1); }

    const forms::CellGrid &m_grid;
    const CellGridLayout &m_layout;
    const CellGridActions &m_actions;
    int m_rows = 0;
    int m_cols = 0;
};

namespace {

// The editors of the cell types.
class CellGridDelegate : public QStyledItemDelegate
{
public:
    explicit CellGridDelegate(CellGridView &view)
        : QStyledItemDelegate(&view)
        , m_view(view)
    {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &,
                          const QModelIndex &index) const override
    {
        const auto &cell = m_view.prepareEdit(index);
        if (cell.locked || !hasEditor(cell))
            return nullptr;
        QWidget *editor = makeEditor(parent, cell, m_view.cellOf(index).first);
        auto *filter = new KeyFilter(m_view, editor);
        editor->installEventFilter(filter);
        for (auto *child : editor->findChildren<QLineEdit *>())
            child->installEventFilter(filter);
        return editor;
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        const auto [col, row] = m_view.cellOf(index);
        const auto &cell = m_view.grid().cell(col, row);
        const QString text = qt(cell.text);
        if (auto *combo = qobject_cast<QComboBox *>(editor)) {
            combo->setCurrentIndex(listIndexOf(cell));
        } else if (auto *date = qobject_cast<QDateEdit *>(editor)) {
            QDate value = QDate::fromString(text.left(10), DateFormat);
            if (!value.isValid())
                value = QDate::fromString(text, Qt::ISODate);
            date->setDate(value.isValid() ? value : QDate::currentDate());
        } else if (auto *whole = qobject_cast<QSpinBox *>(editor)) {
            whole->setValue(static_cast<int>(base::parseNumber(cell.text).value_or(0)));
        } else if (auto *decimal = qobject_cast<QDoubleSpinBox *>(editor)) {
            decimal->setValue(base::parseNumber(cell.text).value_or(0));
        } else if (auto *line = qobject_cast<QLineEdit *>(editor)) {
            line->setText(text);
        }
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override
    {
        if (auto *combo = qobject_cast<QComboBox *>(editor)) {
            const auto [col, row] = m_view.cellOf(index);
            const int chosen = combo->currentIndex();
            if (chosen >= 0 && chosen != listIndexOf(m_view.grid().cell(col, row)))
                model->setData(index, chosen, ListIndexRole);
        } else if (auto *date = qobject_cast<QDateEdit *>(editor)) {
            model->setData(index, date->date().toString(DateFormat), Qt::EditRole);
        } else if (auto *whole = qobject_cast<QSpinBox *>(editor)) {
            model->setData(index, QString::number(whole->value()), Qt::EditRole);
        } else if (auto *decimal = qobject_cast<QDoubleSpinBox *>(editor)) {
            model->setData(index, decimal->text(), Qt::EditRole);
        } else if (auto *line = qobject_cast<QLineEdit *>(editor)) {
            model->setData(index, line->text(), Qt::EditRole);
        }
    }

private:
    // The entry the cell holds: the same text, else the same shown text; -1 for none.
    int listIndexOf(const GridCell &cell) const
    {
        const auto &items = cell.listItems;
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i] == cell.text)
                return static_cast<int>(i);
        return -1;
    }

    QWidget *makeEditor(QWidget *parent, const GridCell &cell, int col) const
    {
        switch (cell.type) {
        case CellType::ComboBox:
            return makeList(parent, cell, col);
        case CellType::Date: {
            auto *date = new QDateEdit(parent);
            date->setDisplayFormat(DateFormat);
            date->setCalendarPopup(true);
            return date;
        }
        case CellType::Integer: {
            auto *whole = new QSpinBox(parent);
            const bool limited = cell.maximum > cell.minimum;
            whole->setRange(limited ? static_cast<int>(std::ceil(cell.minimum))
                                    : std::numeric_limits<int>::min(),
                            limited ? static_cast<int>(std::floor(cell.maximum))
                                    : std::numeric_limits<int>::max());
            whole->setAlignment(Qt::AlignRight);
            return whole;
        }
        case CellType::Float: {
            auto *decimal = new QDoubleSpinBox(parent);
            const bool limited = cell.maximum > cell.minimum;
            decimal->setDecimals(cell.decimals);
            decimal->setRange(limited ? cell.minimum : -UnboundedNumber,
                              limited ? cell.maximum : UnboundedNumber);
            decimal->setAlignment(Qt::AlignRight);
            return decimal;
        }
        default: {
            auto *line = new QLineEdit(parent);
            line->setFrame(false);
            if (cell.maxLength > 0)
                line->setMaxLength(cell.maxLength);
            line->setValidator(new KeyValidator(m_view, line));
            return line;
        }
        }
    }

    // A drop-down list that hands the entry on as soon as one is chosen.
    QWidget *makeList(QWidget *parent, const GridCell &cell, int col) const
    {
        auto *combo = new QComboBox(parent);
        for (const auto &item : cell.listItems)
            combo->addItem(
                qt(m_view.actions().shownText ? m_view.actions().shownText(col, item) : item));
        auto *self = const_cast<CellGridDelegate *>(this);
        connect(combo, &QComboBox::activated, self, [self, combo] {
            emit self->commitData(combo);
            emit self->closeEditor(combo);
        });
        return combo;
    }

    CellGridView &m_view;
};

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
    } else if (role == ListIndexRole) {
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
