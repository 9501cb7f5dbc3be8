#include "gui/BillClosingDialogView.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QVBoxLayout>

#include "closing/BillClosingDialog.h"
#include "component/Translation.h"
#include "gui/ActionGuard.h"
#include "gui/QtShell.h"

namespace orvan::gui {
namespace {

// The window's designed size, in pixels (6300 x 3000 twips at 15 twips per pixel).
constexpr int DesignedWidth = 420;
constexpr int DesignedHeight = 200;

QString qt(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

BillClosingDialogView::BillClosingDialogView(closing::BillClosingDialog &form, QWidget *parent)
    : FormDialog(form, parent)
    , m_shutBill(form)
{
    setObjectName(QStringLiteral("frmShutBill"));
    resize(DesignedWidth, DesignedHeight);

    m_period = new QLabel(this);
    m_period->setObjectName(QStringLiteral("lblPeriod"));
    QFont bold = m_period->font();
    bold.setBold(true);
    m_period->setFont(bold);

    m_explanation = new QLabel(this);
    m_explanation->setObjectName(QStringLiteral("lblExplanation"));
    m_explanation->setWordWrap(true);
    m_explanation->setMargin(8);
    m_explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A long explanation (English is longer) scrolls rather than being cut.
    auto *scroll = new QScrollArea(this);
    scroll->setWidget(m_explanation);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::StyledPanel);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_period);
    layout->addWidget(scroll, 1);
    buildButtons();
    auto *row = new QHBoxLayout;
    row->addStretch();
    for (const auto &entry : form.buttons())
        row->addWidget(m_pushButtons.at(entry.key));
    layout->addLayout(row);

    if (!form.fontFamily().empty()) {
        QFont designed = font();
        designed.setFamily(qt(form.fontFamily()));
        setFont(designed);
    }
    refresh();
}

void BillClosingDialogView::buildButtons()
{
    for (const auto &entry : m_shutBill.buttons()) {
        auto *push = new QPushButton(this);
        push->setObjectName(qt("cmd" + entry.key));
        push->setAutoDefault(false);
        const std::string key = entry.key;
        connect(push, &QPushButton::clicked, this, [this, key] { pressAfterAsking(key); });
        m_pushButtons[key] = push;
    }
}

// Close and Reopen change the period for every user: the user confirms first. The
// checks may take a while: the wait cursor shows it.
void BillClosingDialogView::pressAfterAsking(const std::string &key)
{
    const auto question = m_shutBill.confirmationOf(key);
    if (!question.empty() && QMessageBox::question(this, qt(component::messageTitle()),
                                                   qt(question), QMessageBox::Yes | QMessageBox::No,
                                                   QMessageBox::No) != QMessageBox::Yes)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    guarded([this, &key] { m_shutBill.press(key); });
}

QPushButton *BillClosingDialogView::pushButton(const std::string &key) const
{
    const auto found = m_pushButtons.find(key);
    return found == m_pushButtons.end() ? nullptr : found->second;
}

void BillClosingDialogView::refresh()
{
    setWindowTitle(qt(m_shutBill.caption));
    m_explanation->setText(qt(m_shutBill.explanation()));
    const auto period = m_shutBill.periodText();
    m_period->setText(period.empty() ? QString()
                                     : qt(component::FormatText("当前期间：%1", period)));
    m_period->setVisible(!period.empty());
    for (const auto &entry : m_shutBill.buttons()) {
        auto *push = m_pushButtons.at(entry.key);
        push->setText(qt(entry.caption)); // "&S" makes Alt+S the accelerator
        push->setToolTip(qt(entry.toolTip));
        push->setEnabled(entry.enabled);
        push->setVisible(entry.visible);
    }
}

void registerBillClosingView()
{
    QtShell::registerView("frmShutBill", [](forms::Form &form, QWidget *parent) {
        auto &shutBill = dynamic_cast<closing::BillClosingDialog &>(form);
        return std::unique_ptr<QDialog>(std::make_unique<BillClosingDialogView>(shutBill, parent));
    });
}

} // namespace orvan::gui
