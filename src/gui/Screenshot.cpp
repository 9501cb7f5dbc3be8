#include "gui/Screenshot.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>

#include <iostream>

#include "gui/MainWindowView.h"
#include "gui/ParameterTreeView.h"
#include "mainwindow/MaintenanceWindow.h"

namespace orvan::gui {
namespace {

// Time for the view to show and load its starting node before the clicks.
constexpr int SettleMs = 100;

void settle()
{
    for (int pass = 0; pass < 3; ++pass)
        QApplication::processEvents();
}

bool clickNodes(MainWindowView &view, const std::vector<std::string> &clicks)
{
    bool allFound = true;
    for (const auto &key : clicks) {
        if (!view.tree()->itemOf(key)) {
            std::cerr << "orvan-sysmaintain: no node \"" << key << "\" in the tree\n";
            allFound = false;
            continue;
        }
        view.chooseNode(key);
        settle();
    }
    return allFound;
}

} // namespace

void scheduleScreenshot(MainWindowView &view, const std::string &file,
                        const std::vector<std::string> &clicks,
                        std::function<void(bool taken)> finished)
{
    QTimer::singleShot(SettleMs, &view, [&view, file, clicks, finished] {
        settle();
        const bool clicked = clickNodes(view, clicks);
        const bool saved = view.grab().save(QString::fromStdString(file), "PNG");
        if (saved)
            std::cout << "screenshot written to " << file << "\n";
        else
            std::cerr << "orvan-sysmaintain: could not write " << file << "\n";
        finished(saved && clicked);
        // A picture of the window changes nothing the user's own runs remember.
        view.window().keepsSettings = false;
        view.window().close();
    });
}

} // namespace orvan::gui
