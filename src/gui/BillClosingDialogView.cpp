#include "gui/BillClosingDialogView.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "closing/BillClosingDialog.h"
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

    m_explanation = new QLabel(this);
    m_explanation->setObjectName(QStringLiteral("lblExplanation"));
    m_explanation->setWordWrap(true);
    m_explanation->setFrameShape(QFrame::StyledPanel);
    m_explanation->setMargin(8);
    m_explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_explanation, 1);
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
        connect(push, &QPushButton::clicked, this,
                [this, key] { guarded([this, &key] { m_shutBill.press(key); }); });
        m_pushButtons[key] = push;
    }
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
