#include <gtest/gtest.h>

#include <QApplication>

#include <memory>

#include "GuiFixture.h"
#include "gui/GuiHost.h"

namespace orvan::test {
namespace {

// Owns the application for the whole run and ends it before the program exits, so that
// Qt releases what it holds.
class QtEnvironment : public ::testing::Environment
{
public:
    QApplication &application()
    {
        if (!m_application) {
            m_application = std::make_unique<QApplication>(m_argc, m_argv);
            gui::chooseApplicationFont();
        }
        return *m_application;
    }

    void TearDown() override { m_application.reset(); }

private:
    int m_argc = 1;
    char m_name[16] = "orvan_gui_tests";
    char *m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QApplication> m_application;
};

QtEnvironment *const environment =
    static_cast<QtEnvironment *>(::testing::AddGlobalTestEnvironment(new QtEnvironment));

} // namespace

QApplication &qtApplication()
{
    return environment->application();
}

} // namespace orvan::test
