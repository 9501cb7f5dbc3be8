#include "gui/CellGridDelegate.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>

#include <cmath>
#include <limits>

#include "base/Convert.h"
#include "forms/CellGrid.h"
#include "gui/CellGridModel.h"
#include "gui/CellGridView.h"
#include "gui/CellKeyFilter.h"
#include "gui/CellKeyValidator.h"
#include "gui/ViewTexts.h"

namespace orvan::gui {

using forms::CellType;
using forms::GridCell;

namespace {

constexpr double UnboundedNumber = 1e12;
const QString DateFormat = QStringLiteral("yyyy-MM-dd");

} // namespace

CellGridDelegate::CellGridDelegate(CellGridView &view)
    : QStyledItemDelegate(&view)
    , m_view(view)
{}

QWidget *CellGridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                        const QModelIndex &index) const
{
    const auto &cell = m_view.prepareEdit(index);
    if (cell.locked || !CellGridModel::hasEditor(cell))
        return nullptr;
    QWidget *editor = makeEditor(parent, cell, m_view.cellOf(index).first);
    auto *filter = new CellKeyFilter(m_view, editor);
    editor->installEventFilter(filter);
    for (auto *child : editor->findChildren<QLineEdit *>())
        child->installEventFilter(filter);
    return editor;
}

void CellGridDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
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

void CellGridDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                    const QModelIndex &index) const
{
    if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        const auto [col, row] = m_view.cellOf(index);
        const int chosen = combo->currentIndex();
        if (chosen >= 0 && chosen != listIndexOf(m_view.grid().cell(col, row)))
            model->setData(index, chosen, CellGridModel::ListIndexRole);
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

// The entry whose text the cell holds; -1 for none.
int CellGridDelegate::listIndexOf(const GridCell &cell)
{
    const auto &items = cell.listItems;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == cell.text)
            return static_cast<int>(i);
    return -1;
}

QWidget *CellGridDelegate::makeEditor(QWidget *parent, const GridCell &cell, int col) const
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
    case CellType::Integer:
        return makeWholeNumber(parent, cell);
    case CellType::Float:
        return makeDecimal(parent, cell);
    default:
        return makeLine(parent, cell);
    }
}

QWidget *CellGridDelegate::makeWholeNumber(QWidget *parent, const GridCell &cell) const
{
    auto *whole = new QSpinBox(parent);
    const bool limited = cell.maximum > cell.minimum;
    whole->setRange(
        limited ? static_cast<int>(std::ceil(cell.minimum)) : std::numeric_limits<int>::min(),
        limited ? static_cast<int>(std::floor(cell.maximum)) : std::numeric_limits<int>::max());
    whole->setAlignment(Qt::AlignRight);
    return whole;
}

QWidget *CellGridDelegate::makeDecimal(QWidget *parent, const GridCell &cell) const
{
    auto *decimal = new QDoubleSpinBox(parent);
    const bool limited = cell.maximum > cell.minimum;
    decimal->setDecimals(cell.decimals);
    decimal->setRange(limited ? cell.minimum : -UnboundedNumber,
                      limited ? cell.maximum : UnboundedNumber);
    decimal->setAlignment(Qt::AlignRight);
    return decimal;
}

QWidget *CellGridDelegate::makeLine(QWidget *parent, const GridCell &cell) const
{
    auto *line = new QLineEdit(parent);
    line->setFrame(false);
    if (cell.maxLength > 0)
        line->setMaxLength(cell.maxLength);
    line->setValidator(new CellKeyValidator(m_view, line));
    return line;
}

// A drop-down list that hands the entry on as soon as one is chosen.
QWidget *CellGridDelegate::makeList(QWidget *parent, const GridCell &cell, int col) const
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

} // namespace orvan::gui
