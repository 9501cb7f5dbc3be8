#include "gui/AccountLookupDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "component/AccountLookupForm.h"
#include "component/Translation.h"
#include "gui/ViewTexts.h"

namespace orvan::gui {
namespace {

constexpr QSize DesignedSize(480, 440);
constexpr int NumberColumnWidth = 140;

} // namespace

AccountLookupDialog::AccountLookupDialog(component::AccountLookupForm &form, QWidget *parent)
    : FormDialog(form, parent)
    , m_lookup(form)
{
    setObjectName(QStringLiteral("frmAccountLookup"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("txtSearch"));
    m_search->setClearButtonEnabled(true);
    m_search->setPlaceholderText(qt(component::TranslateText("输入科目代码或名称")));
    m_search->installEventFilter(this);
    auto *searchLabel = new QLabel(qt(component::TranslateText("查找(&F)：")), this);
    searchLabel->setBuddy(m_search);
    connect(m_search, &QLineEdit::textEdited, this, [this](const QString &text) {
        guarded([this, &text] { m_lookup.search(text.toStdString()); });
    });

    m_list = new QTableWidget(0, 2, this);
    m_list->setObjectName(QStringLiteral("lstAccounts"));
    m_list->setHorizontalHeaderLabels(
        {qt(component::TranslateText("科目代码")), qt(component::TranslateText("科目名称"))});
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 10);
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_list->horizontalHeader()->setHighlightSections(false);
    m_list->setColumnWidth(0, NumberColumnWidth);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setAlternatingRowColors(true);
    m_list->setWordWrap(false);
    m_list->setTabKeyNavigation(false);
    connect(m_list, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (!m_rendering && row >= 0)
            guarded([this, row] { m_lookup.selectRow(row); });
    });
    connect(m_list, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        guarded([this, row] {
            if (m_lookup.selectRow(row))
                m_lookup.press(component::AccountLookupForm::OkKey);
        });
    });

    auto *buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(qt(component::TranslateText("确定")), QDialogButtonBox::AcceptRole);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_ok->setDefault(true);
    m_cancel =
        buttons->addButton(qt(component::TranslateText("取消")), QDialogButtonBox::RejectRole);
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));
    m_cancel->setAutoDefault(false);
    // The buttons go to the form, not to QDialog's accept and reject.
    connect(m_ok, &QPushButton::clicked, this,
            [this] { guarded([this] { m_lookup.press(component::AccountLookupForm::OkKey); }); });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        guarded([this] { m_lookup.press(component::AccountLookupForm::CancelKey); });
    });

    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(m_search, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    resize(DesignedSize);
    refresh();
}

void AccountLookupDialog::refresh()
{
    m_rendering = true;
    setWindowTitle(qt(m_lookup.caption));
    if (m_search->text().trimmed().toStdString() != m_lookup.searchText())
        m_search->setText(qt(m_lookup.searchText()));
    fillList();
    const int current = m_lookup.currentRow();
    if (current >= 0) {
        m_list->setCurrentCell(current, 0);
        m_list->scrollToItem(m_list->item(current, 0));
    } else {
        m_list->clearSelection();
    }
    m_ok->setEnabled(current >= 0);
    m_rendering = false;
}

// The rows shown, refilled when the search changed them.
void AccountLookupDialog::fillList()
{
    std::vector<int32_t> ids;
    for (const auto &row : m_lookup.rows())
        ids.push_back(row.id);
    if (ids == m_shownIds)
        return;
    m_shownIds = ids;
    const auto &rows = m_lookup.rows();
    m_list->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const auto &account = rows[static_cast<std::size_t>(i)];
        m_list->setItem(i, 0, new QTableWidgetItem(qt(account.number)));
        m_list->setItem(i, 1, new QTableWidgetItem(qt(account.name)));
    }
}

// Up and down in the search box move through the list.
bool AccountLookupDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_search && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Down || key == Qt::Key_Up) {
            const int step = key == Qt::Key_Down ? 1 : -1;
            guarded([this, step] { m_lookup.selectRow(m_lookup.currentRow() + step); });
            return true;
        }
    }
    return FormDialog::eventFilter(watched, event);
}

} // namespace orvan::gui
