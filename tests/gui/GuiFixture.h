#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <memory>

#include "gui/GuiHost.h"
#include "gui/MainWindowView.h"
#include "mainwindow/MainWindowFixture.h"

namespace orvan::test {

// The Qt application of the test program (QtEnvironment.cpp), made once.
QApplication &qtApplication();

// The maintenance window on a scratch demo account with its view shown off screen.
class GuiFixture : public MainWindowFixture
{
protected:
    static void settle()
    {
        for (int pass = 0; pass < 5; ++pass)
            QApplication::processEvents();
    }

    // Opens the window of a class for every subsystem and shows its view, as the shell
    // does.
    gui::MainWindowView &show(int32_t sysClass)
    {
        view.reset(); // a view never outlives its window
        window = open(sysClass, "");
        view = std::make_unique<gui::MainWindowView>(*window);
        view->resize(1024, 600);
        view->show();
        settle();
        return *view;
    }

    // Runs `answer` on the message box the next modal step opens.
    static void answerMessageBox(std::function<void(QMessageBox &)> answer)
    {
        QTimer::singleShot(0, [answer] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                answer(*box);
        });
    }

    void SetUp() override
    {
        qtApplication();
        MainWindowFixture::SetUp();
    }

    void TearDown() override
    {
        view.reset();
        window.reset();
        MainWindowFixture::TearDown();
    }

    std::unique_ptr<mainwindow::MaintenanceWindow> window;
    std::unique_ptr<gui::MainWindowView> view;
};

} // namespace orvan::test
