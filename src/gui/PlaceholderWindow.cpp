#include "gui/PlaceholderWindow.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "component/LoginContext.h"
#include "component/ProcessState.h"

namespace orvan::gui {
namespace {

QString loginValue(const char *name)
{
    return QString::fromStdString(component::processState().g_colLoginProps.value(name).text());
}

} // namespace

PlaceholderWindow::PlaceholderWindow(QWidget *parent)
    : QDialog(parent)
{
    const auto &state = component::processState();
    setWindowTitle(QStringLiteral("OrvanSysMaintain"));
    resize(640, 360);

    auto *form = new QFormLayout;
    form->addRow(tr("Account:"), new QLabel(QString::fromStdString(state.g_strConnectString)));
    form->addRow(tr("User:"), new QLabel(loginValue("UserID")));
    form->addRow(tr("Parameter class:"), new QLabel(QString::number(state.g_lngSysClass)));
    form->addRow(tr("Subsystem:"), new QLabel(QString::fromStdString(state.g_strSystemID)));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("The parameter maintenance window opens here.")));
    layout->addLayout(form);
    layout->addStretch();
    layout->addWidget(buttons);
}

} // namespace orvan::gui
