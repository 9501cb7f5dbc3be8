#include "gui/GuiHost.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QIcon>

#include <iostream>

#include "forms/Clipboard.h"
#include "forms/Help.h"
#include "forms/Messages.h"
#include "gui/BillClosingDialogView.h"
#include "gui/EditorViews.h"
#include "gui/MainWindowCommands.h"
#include "gui/MainWindowView.h"
#include "gui/PilotPanelView.h"
#include "gui/QtMessages.h"
#include "gui/QtPrinter.h"
#include "gui/QtShell.h"
#include "gui/Screenshot.h"
#include "mainwindow/MaintenanceWindow.h"

namespace orvan::gui {
namespace {

// Families that hold the Chinese glyphs, best first.
constexpr const char *ChineseFamilies[] = {"Noto Sans CJK SC", "Source Han Sans SC",
                                           "WenQuanYi Micro Hei", "WenQuanYi Zen Hei",
                                           "Droid Sans Fallback"};

class DesktopClipboard : public forms::Clipboard
{
public:
    void setText(const std::string &text) override
    {
        QApplication::clipboard()->setText(QString::fromStdString(text));
    }
};

void useOffscreenPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace

void chooseApplicationFont()
{
    const auto families = QFontDatabase::families();
    for (const char *family : ChineseFamilies) {
        if (!families.contains(QString::fromUtf8(family)))
            continue;
        QFont font = QApplication::font();
        font.setFamilies({QString::fromUtf8(family)});
        if (font.pointSizeF() < 10)
            font.setPointSizeF(10);
        QApplication::setFont(font);
        return;
    }
}

GuiHost::GuiHost(int &argc, char **argv, GuiOptions options)
    : m_options(std::move(options))
{
    if (!m_options.screenshotFile.empty())
        useOffscreenPlatform();
    m_application = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvan-sysmaintain"));
    QApplication::setApplicationDisplayName(QStringLiteral("OrvanSysMaintain"));
    if (QIcon::themeName().isEmpty())
        QIcon::setThemeName(QStringLiteral("Adwaita"));
    chooseApplicationFont();
    if (m_options.screenshotFile.empty())
        forms::setMessages(std::make_shared<QtMessages>());
    else
        forms::setMessages(std::make_shared<forms::ConsoleMessages>());
    forms::setShell(std::make_shared<QtShell>());
    forms::setPrinter(std::make_shared<QtPrinter>());
    forms::setClipboard(std::make_shared<DesktopClipboard>());
    forms::setHelpViewer(std::make_shared<QtHelpViewer>());
    registerViews();
    mainwindow::installMaintenanceWindow();
}

void GuiHost::registerViews()
{
    registerBillClosingView();
    registerPilotPanelView();
    registerEditorViews();
    registerMainWindowView([this](MainWindowView &view) {
        if (m_options.width > 0 && m_options.height > 0)
            view.resize(m_options.width, m_options.height);
        else if (!m_options.screenshotFile.empty()) // the off-screen desktop is small
            view.resize(MainWindowView::preferredSize());
        if (!m_options.screenshotFile.empty())
            scheduleScreenshot(view, m_options.screenshotFile, m_options.clicks,
                               [this](bool taken) {
                                   m_screenshotTried = true;
                                   m_exitCode = taken ? 0 : 1;
                               });
    });
}

int GuiHost::finish() const
{
    if (!m_options.screenshotFile.empty() && !m_screenshotTried) {
        std::cerr << "orvan-sysmaintain: the window did not open; no screenshot written\n";
        return 1;
    }
    return m_exitCode;
}

GuiHost::~GuiHost()
{
    forms::setHelpViewer(nullptr);
    forms::setClipboard(nullptr);
    forms::setPrinter(nullptr);
    forms::setShell(nullptr);
    forms::setMessages(nullptr);
}

} // namespace orvan::gui
