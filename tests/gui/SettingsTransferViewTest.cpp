#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <cstdlib>
#include <filesystem>

#include "GuiFixture.h"
#include "gui/SettingsTransferView.h"
#include "mainwindow/SettingsTransferWindow.h"

namespace orvan::test {
namespace {

using Mode = mainwindow::SettingsTransferWindow::Mode;

class SettingsTransferViewTest : public GuiFixture
{
protected:
    void TearDown() override
    {
        std::filesystem::remove(m_file);
        GuiFixture::TearDown();
    }

    std::string m_file = scratchPath("settings.json");
};

// Export writes the file the path box names; import checks it, lists the change and
// enables Import only then. With ORVAN_SCREENSHOT_DIR set it also writes
// settings-import.png there (the README's picture).
TEST_F(SettingsTransferViewTest, ExportThenCheckAndImportThroughTheViews)
{
    mainwindow::SettingsTransferWindow exporting(Mode::Export);
    gui::SettingsTransferView exportView(exporting);
    exportView.show();
    exportView.pathBox()->setText(QString::fromStdString(m_file));
    exportView.findChild<QPushButton *>(QStringLiteral("apply"))->click();
    settle();
    EXPECT_TRUE(std::filesystem::exists(m_file));
    EXPECT_TRUE(exportView.findChild<QLabel *>(QStringLiteral("status"))
                    ->text()
                    .startsWith(QStringLiteral("已导出")));

    connection().Execute("UPDATE t_SystemProfile SET FValue='6' WHERE FKey='QMCheckDecimal'");
    connection().Execute("UPDATE ICBillNo SET FPreLetter='XX' WHERE FBillID=1");
    mainwindow::SettingsTransferWindow importing(Mode::Import);
    gui::SettingsTransferView importView(importing);
    importView.show();
    importView.pathBox()->setText(QString::fromStdString(m_file));
    EXPECT_FALSE(importView.applyButton()->isEnabled()) << "not before a check";
    importing.check();
    settle();
    ASSERT_EQ(importView.table()->rowCount(), 2);
    EXPECT_TRUE(importView.applyButton()->isEnabled());
    if (const char *folder = std::getenv("ORVAN_SCREENSHOT_DIR"))
        importView.grab().save(QString::fromLocal8Bit(folder) + "/settings-import.png");
    importView.applyButton()->click();
    settle();
    EXPECT_EQ(importView.table()->rowCount(), 0);
    EXPECT_FALSE(importView.applyButton()->isEnabled());
    EXPECT_TRUE(importing.accountChanged());
    EXPECT_EQ(text("SELECT FValue FROM t_SystemProfile WHERE FKey='QMCheckDecimal'"), "2");
}

} // namespace
} // namespace orvan::test
