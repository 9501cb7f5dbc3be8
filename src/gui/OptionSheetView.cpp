#include "gui/OptionSheetView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QWheelEvent>

#include <cmath>
#include <limits>

#include "base/Convert.h"
#include "forms/OptionSheet.h"
#include "gui/ViewTexts.h"

namespace orvan::gui {
namespace {

using forms::OptionKind;

constexpr double UnboundedNumber = 1e12;

bool isChecked(const std::string &value)
{
    return !value.empty() && value != "0";
}

double numberOf(const std::string &value)
{
    return base::parseNumber(value).value_or(0.0);
}

// Decimals a decimal option shows: as many as its value has, between 2 and 6.
int decimalsOf(const std::string &value)
{
    const auto point = value.find('.');
    const int written = point == std::string::npos ? 0 : static_cast<int>(value.size() - point - 1);
    return std::clamp(written, 2, 6);
}

// Whether an edit leaves the row's value as it is (numbers compare by value).
bool unchanged(const forms::OptionRow &row, const std::string &text)
{
    if (row.kind == OptionKind::Button)
        return false;
    if (row.kind == OptionKind::WholeNumber || row.kind == OptionKind::Decimal) {
        const auto typed = base::parseNumber(text);
        const auto stored = base::parseNumber(row.value);
        if (typed && stored)
            return *typed == *stored;
    }
    return row.value == text;
}

// Spin and combo boxes take the wheel only with the focus, so that scrolling the list
// does not change values.
class WheelGuard : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Wheel) {
            auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && !widget->hasFocus()) {
                event->ignore();
                return true;
            }
        }
        return false;
    }
};

// The width range of an editor in its cell, by kind (pixels; 0: its own width).
std::pair<int, int> editorWidths(OptionKind kind)
{
    switch (kind) {
    case OptionKind::WholeNumber:
    case OptionKind::Decimal:
        return {140, 140};
    case OptionKind::List:
        return {220, 220};
    case OptionKind::Text:
        return {240, 400};
    case OptionKind::Button:
        return {40, 40};
    default:
        return {0, QWIDGETSIZE_MAX};
    }
}

// Places an editor at the left of its cell with the cell's padding.
QWidget *inCell(QWidget *child, QWidget *parent)
{
    auto *cell = new QWidget(parent);
    auto *layout = new QHBoxLayout(cell);
    layout->setContentsMargins(6, 1, 6, 1);
    layout->addWidget(child);
    layout->addStretch();
    cell->setFocusProxy(child);
    return cell;
}

template <class Widget>
Widget *editorChild(QWidget *cell)
{
    return cell ? cell->findChild<Widget *>() : nullptr;
}

} // namespace

// An editor that has the focus reports its edit finished when the page goes away: by
// then there is no page to take it.
OptionSheetView::~OptionSheetView()
{
    for (auto *editor : findChildren<QWidget *>())
        QObject::disconnect(editor, nullptr, this, nullptr);
}

// On the current option, Space ticks or clears a check box and Enter starts editing the
// value (a check box: toggles it), as in any property list.
void OptionSheetView::keyPressEvent(QKeyEvent *event)
{
    const bool space = event->key() == Qt::Key_Space;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    auto *cell = currentRow() >= 0 ? cellWidget(currentRow(), 1) : nullptr;
    if (!cell || !(space || enter)) {
        QTableWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (auto *box = editorChild<QCheckBox>(cell)) {
        if (box->isEnabled())
            box->click();
        return;
    }
    if (!enter)
        return;
    for (auto *input : cell->findChildren<QWidget *>())
        if (input->focusPolicy() != Qt::NoFocus && input->isEnabled()) {
            input->setFocus(Qt::OtherFocusReason);
            return;
        }
}

OptionSheetView::OptionSheetView(SheetSource source, ChangeFunction change,
                                 const QStringList &headings, QWidget *parent)
    : QTableWidget(parent)
    , m_source(std::move(source))
    , m_change(std::move(change))
{
    setColumnCount(2);
    setHorizontalHeaderLabels(headings);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 14);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    m_wheelGuard = new WheelGuard(this);
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (auto *sheet = m_source(); sheet && !m_rendering)
            sheet->currentRow = row;
    });
}

std::vector<OptionSheetView::RowShape> OptionSheetView::shapeOf(const forms::OptionSheet &sheet)
{
    std::vector<RowShape> shape;
    for (const auto &row : sheet.rows)
        shape.push_back({row.key, static_cast<int>(row.kind), row.listItems});
    return shape;
}

void OptionSheetView::render()
{
    const auto *sheet = m_source();
    if (!sheet) {
        m_shape.clear();
        m_editors.clear();
        setRowCount(0);
        return;
    }
    m_rendering = true;
    if (shapeOf(*sheet) != m_shape) {
        if (m_changing) {
            // The editor whose edit is running must outlive it: rebuild afterwards.
            m_rendering = false;
            QTimer::singleShot(0, this, [this] { render(); });
            return;
        }
        rebuild(*sheet);
    }
    for (std::size_t i = 0; i < sheet->rows.size(); ++i)
        showValue(static_cast<int>(i), sheet->rows[i]);
    if (sheet->currentRow >= 0 && sheet->currentRow < rowCount() &&
        currentRow() != sheet->currentRow)
        setCurrentCell(sheet->currentRow, 0);
    m_rendering = false;
}

void OptionSheetView::markRows(std::function<bool(const std::string &key)> marked, QBrush brush)
{
    m_marked = std::move(marked);
    m_markBrush = std::move(brush);
}

void OptionSheetView::changeEvent(QEvent *event)
{
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 14);
        if (rowCount() > 0)
            fitCaptionColumn();
    }
}

void OptionSheetView::resizeEvent(QResizeEvent *event)
{
    QTableWidget::resizeEvent(event);
    if (rowCount() > 0)
        fitCaptionColumn();
}

int OptionSheetView::contentHeight() const
{
    return horizontalHeader()->height() + rowCount() * verticalHeader()->defaultSectionSize() +
           2 * frameWidth();
}

void OptionSheetView::rebuild(const forms::OptionSheet &sheet)
{
    clearContents();
    m_editors.clear();
    setRowCount(static_cast<int>(sheet.rows.size()));
    for (std::size_t i = 0; i < sheet.rows.size(); ++i) {
        const auto &row = sheet.rows[i];
        auto *caption = new QTableWidgetItem(qt(row.caption));
        caption->setToolTip(qt(row.caption));
        caption->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        setItem(static_cast<int>(i), 0, caption);
        auto *editor = makeEditor(row);
        setCellWidget(static_cast<int>(i), 1, editor);
        m_editors.push_back(editor);
    }
    m_shape = shapeOf(sheet);
    fitCaptionColumn();
}

void OptionSheetView::fitCaptionColumn()
{
    int widest = fontMetrics().horizontalAdvance(horizontalHeaderItem(0)->text());
    for (int i = 0; i < rowCount(); ++i)
        widest = std::max(widest, fontMetrics().horizontalAdvance(item(i, 0)->text()));
    const int limit = std::max(160, viewport()->width() / 2);
    setColumnWidth(0, std::min(widest + 24, limit));
}

QWidget *OptionSheetView::makeEditor(const forms::OptionRow &row)
{
    auto *editor = makeValueEditor(row);
    editor->setFocusPolicy(Qt::StrongFocus);
    editor->installEventFilter(m_wheelGuard);
    const auto [narrowest, widest] = editorWidths(row.kind);
    editor->setMinimumWidth(narrowest);
    editor->setMaximumWidth(widest);
    auto *cell = inCell(editor, this);
    if (row.kind == OptionKind::Text)
        static_cast<QHBoxLayout *>(cell->layout())->setStretch(0, 1);
    return cell;
}

QWidget *OptionSheetView::makeValueEditor(const forms::OptionRow &row)
{
    const auto key = row.key;
    switch (row.kind) {
    case OptionKind::Check:
    case OptionKind::Switch: {
        auto *box = new QCheckBox(this);
        connect(box, &QCheckBox::toggled, this,
                [this, key](bool on) { change(key, on ? "1" : "0"); });
        return box;
    }
    case OptionKind::WholeNumber:
    case OptionKind::Decimal:
        return makeNumberEditor(row);
    case OptionKind::Text: {
        auto *edit = new QLineEdit(this);
        if (row.maxLength > 0)
            edit->setMaxLength(row.maxLength);
        connect(edit, &QLineEdit::editingFinished, this,
                [this, key, edit] { change(key, edit->text().toStdString()); });
        return edit;
    }
    case OptionKind::List: {
        auto *combo = new QComboBox(this);
        for (const auto &entry : row.listItems)
            combo->addItem(qt(entry));
        connect(combo, &QComboBox::activated, this,
                [this, key](int index) { change(key, std::to_string(index)); });
        return combo;
    }
    case OptionKind::Button: {
        auto *button = new QPushButton(QStringLiteral("..."), this);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, key] { change(key, {}); });
        return button;
    }
    }
    return new QWidget(this);
}

QWidget *OptionSheetView::makeNumberEditor(const forms::OptionRow &row)
{
    const auto key = row.key;
    const double low = row.minimum.value_or(-UnboundedNumber);
    const double high = row.maximum.value_or(UnboundedNumber);
    if (row.kind == OptionKind::WholeNumber) {
        auto *spin = new QSpinBox(this);
        constexpr double LowestInt = std::numeric_limits<int>::min();
        constexpr double HighestInt = std::numeric_limits<int>::max();
        spin->setRange(static_cast<int>(std::clamp(std::ceil(low), LowestInt, HighestInt)),
                       static_cast<int>(std::clamp(std::floor(high), LowestInt, HighestInt)));
        spin->setKeyboardTracking(false);
        connect(spin, &QSpinBox::editingFinished, this,
                [this, key, spin] { change(key, std::to_string(spin->value())); });
        return spin;
    }
    auto *spin = new QDoubleSpinBox(this);
    spin->setDecimals(decimalsOf(row.value));
    spin->setRange(low, high);
    spin->setKeyboardTracking(false);
    connect(spin, &QDoubleSpinBox::editingFinished, this, [this, key, spin] {
        change(key, QString::number(spin->value(), 'f', spin->decimals()).toStdString());
    });
    return spin;
}

void OptionSheetView::showValue(int index, const forms::OptionRow &row)
{
    auto *cell = m_editors[static_cast<std::size_t>(index)];
    cell->setEnabled(row.enabled);
    if (auto *caption = item(index, 0)) {
        caption->setText(qt(row.caption));
        caption->setForeground(row.enabled ? palette().text() : palette().placeholderText());
        caption->setBackground(m_marked && m_marked(row.key) ? m_markBrush : QBrush());
    }
    if (auto *box = editorChild<QCheckBox>(cell)) {
        const QSignalBlocker quiet(box);
        box->setChecked(isChecked(row.value));
    } else if (auto *spin = editorChild<QSpinBox>(cell)) {
        const QSignalBlocker quiet(spin);
        spin->setValue(static_cast<int>(std::lround(numberOf(row.value))));
    } else if (auto *decimal = editorChild<QDoubleSpinBox>(cell)) {
        const QSignalBlocker quiet(decimal);
        decimal->setValue(numberOf(row.value));
    } else if (auto *edit = editorChild<QLineEdit>(cell)) {
        const QSignalBlocker quiet(edit);
        if (edit->text() != qt(row.value))
            edit->setText(qt(row.value));
    } else if (auto *combo = editorChild<QComboBox>(cell)) {
        const QSignalBlocker quiet(combo);
        combo->setCurrentIndex(static_cast<int>(numberOf(row.value)));
    }
}

QWidget *OptionSheetView::editor(const std::string &key) const
{
    for (std::size_t i = 0; i < m_shape.size() && i < m_editors.size(); ++i)
        if (m_shape[i].key == key)
            return m_editors[i];
    return nullptr;
}

// One edit at a time: a message box the owner shows moves the focus, and the editor
// reports its edit finished a second time.
void OptionSheetView::change(const std::string &key, const std::string &text)
{
    auto *sheet = m_source();
    if (m_rendering || m_changing || !sheet)
        return;
    const auto *row = sheet->row(key);
    if (!row || unchanged(*row, text))
        return;
    m_changing = true;
    m_change(key, text);
    m_changing = false;
    render();
}

} // namespace orvan::gui
