#include "gui/HistoryView.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "component/Translation.h"
#include "forms/Printer.h"
#include "gui/QtShell.h"
#include "gui/RowsTable.h"
#include "gui/ViewTexts.h"
#include "mainwindow/HistoryWindow.h"

namespace orvan::gui {
namespace {

QString translated(const char *text)
{
    return qt(component::TranslateText(text));
}

} // namespace

HistoryView::HistoryView(mainwindow::HistoryWindow &window, QWidget *parent)
    : FormDialog(window, parent)
    , m_window(window)
    , m_filter(new QLineEdit(this))
    , m_table(makeRowsTable(this, mainwindow::HistoryWindow::headings()))
    , m_empty(new QLabel(this))
{
    setObjectName(QStringLiteral("frmHistory"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    resize(960, 520);

    auto *filterRow = new QHBoxLayout;
    auto *filterLabel = new QLabel(translated("筛选(&F):"), this);
    filterLabel->setBuddy(m_filter);
    m_filter->setObjectName(QStringLiteral("filter"));
    m_filter->setClearButtonEnabled(true);
    m_filter->setPlaceholderText(translated("用户、记录、字段或值"));
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(m_filter, 1);
    connect(m_filter, &QLineEdit::textChanged, this, [this](const QString &text) {
        guarded([this, &text] { m_window.setFilter(text.toStdString()); });
    });

    m_empty->setAlignment(Qt::AlignCenter);

    auto *buttons = new QDialogButtonBox(this);
    auto *preview = buttons->addButton(translated("打印预览(&V)"), QDialogButtonBox::ActionRole);
    auto *print = buttons->addButton(translated("打印(&P)..."), QDialogButtonBox::ActionRole);
    auto *close = buttons->addButton(translated("关闭(&C)"), QDialogButtonBox::RejectRole);
    connect(preview, &QPushButton::clicked, this,
            [this] { guarded([this] { m_window.print(forms::PrintMode::Preview); }); });
    connect(print, &QPushButton::clicked, this,
            [this] { guarded([this] { m_window.print(forms::PrintMode::Print); }); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_empty);
    layout->addWidget(buttons);
    refresh();
}

void HistoryView::refresh()
{
    setWindowTitle(qt(m_window.caption));
    showRows(*m_table, m_window.shownRows());
    m_empty->setText(qt(m_window.emptyText()));
    m_empty->setVisible(!m_window.emptyText().empty());
}

void registerHistoryView()
{
    QtShell::registerView("frmHistory", [](forms::Form &form, QWidget *parent) {
        return std::make_unique<HistoryView>(dynamic_cast<mainwindow::HistoryWindow &>(form),
                                             parent);
    });
}

} // namespace orvan::gui
