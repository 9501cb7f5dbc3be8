#include "gui/SettingsTransferView.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "component/Translation.h"
#include "gui/QtShell.h"
#include "gui/RowsTable.h"
#include "gui/ViewTexts.h"
#include "mainwindow/SettingsTransferWindow.h"

namespace orvan::gui {
namespace {

using Mode = mainwindow::SettingsTransferWindow::Mode;

QString translated(const char *text)
{
    return qt(component::TranslateText(text));
}

} // namespace

SettingsTransferView::SettingsTransferView(mainwindow::SettingsTransferWindow &window,
                                           QWidget *parent)
    : FormDialog(window, parent)
    , m_window(window)
    , m_path(new QLineEdit(this))
    , m_status(new QLabel(this))
{
    setObjectName(QStringLiteral("frmSettingsTransfer"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const bool importing = window.mode() == Mode::Import;
    resize(importing ? 900 : 520, importing ? 480 : 300);

    auto *fileRow = new QHBoxLayout;
    auto *fileLabel = new QLabel(translated("文件(&L):"), this);
    fileLabel->setBuddy(m_path);
    m_path->setObjectName(QStringLiteral("path"));
    m_path->setClearButtonEnabled(true);
    auto *browseButton = new QPushButton(translated("浏览(&B)..."), this);
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(m_path, 1);
    fileRow->addWidget(browseButton);
    connect(m_path, &QLineEdit::textChanged, this, [this](const QString &text) {
        guarded([this, &text] { m_window.setPath(text.toStdString()); });
    });
    connect(browseButton, &QPushButton::clicked, this, [this] { browse(); });

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    if (importing)
        addList(layout);
    else
        addScopes(layout);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setWordWrap(true);
    layout->addWidget(m_status);

    auto *buttons = new QDialogButtonBox(this);
    if (importing) {
        auto *check = buttons->addButton(translated("检查(&K)"), QDialogButtonBox::ActionRole);
        m_apply = buttons->addButton(translated("导入(&I)"), QDialogButtonBox::ActionRole);
        m_apply->setObjectName(QStringLiteral("apply"));
        connect(check, &QPushButton::clicked, this,
                [this] { guarded([this] { m_window.check(); }); });
        connect(m_apply, &QPushButton::clicked, this,
                [this] { guarded([this] { m_window.apply(); }); });
    } else {
        auto *write = buttons->addButton(translated("导出(&E)"), QDialogButtonBox::AcceptRole);
        write->setObjectName(QStringLiteral("apply"));
        connect(write, &QPushButton::clicked, this,
                [this] { guarded([this] { m_window.exportFile(); }); });
    }
    auto *close = buttons->addButton(translated("关闭(&C)"), QDialogButtonBox::RejectRole);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
    refresh();
}

void SettingsTransferView::addScopes(QLayout *layout)
{
    auto *group = new QGroupBox(translated("导出的设置"), this);
    auto *grid = new QGridLayout(group);
    const auto &scopes = m_window.scopes();
    for (size_t i = 0; i < scopes.size(); ++i) {
        const auto name = scopes[i].first;
        auto *box = new QCheckBox(
            translated(mainwindow::SettingsTransferWindow::scopeCaption(name)), group);
        box->setObjectName(qt(name));
        grid->addWidget(box, static_cast<int>(i / 2), static_cast<int>(i % 2));
        connect(box, &QCheckBox::toggled, this, [this, name](bool on) {
            guarded([this, &name, on] { m_window.chooseScope(name, on); });
        });
        m_scopes.push_back(box);
    }
    layout->addWidget(group);
}

void SettingsTransferView::addList(QLayout *layout)
{
    m_table = makeRowsTable(this, mainwindow::SettingsTransferWindow::headings());
    layout->addWidget(m_table);
}

void SettingsTransferView::browse()
{
    const auto filter = translated("设置文件 (*.json);;所有文件 (*)");
    const auto path =
        m_window.mode() == Mode::Import
            ? QFileDialog::getOpenFileName(this, qt(m_window.title()), m_path->text(), filter)
            : QFileDialog::getSaveFileName(this, qt(m_window.title()), m_path->text(), filter);
    if (!path.isEmpty())
        m_path->setText(path);
}

void SettingsTransferView::refresh()
{
    setWindowTitle(qt(m_window.title()));
    if (m_path->text().toStdString() != m_window.path())
        m_path->setText(qt(m_window.path()));
    const auto &scopes = m_window.scopes();
    for (size_t i = 0; i < m_scopes.size() && i < scopes.size(); ++i) {
        const QSignalBlocker quiet(m_scopes[i]);
        m_scopes[i]->setChecked(scopes[i].second);
    }
    if (m_table) {
        showRows(*m_table, m_window.rows());
        m_apply->setEnabled(m_window.canApply());
    }
    m_status->setText(qt(m_window.status()));
    m_status->setVisible(!m_window.status().empty());
}

void registerSettingsTransferView()
{
    QtShell::registerView("frmSettingsTransfer", [](forms::Form &form, QWidget *parent) {
        return std::make_unique<SettingsTransferView>(
            dynamic_cast<mainwindow::SettingsTransferWindow &>(form), parent);
    });
}

} // namespace orvan::gui
