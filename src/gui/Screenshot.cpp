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

// How long to wait for the view to be shown, in checks a millisecond apart.
constexpr int ShowChecks = 2000;

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

// Runs then once the view is shown and the events its showing queued are handled.
void whenShown(MainWindowView &view, std::function<void()> then, int checksLeft = ShowChecks)
{
    QTimer::singleShot(checksLeft == ShowChecks ? 0 : 1, &view,
                       [&view, then = std::move(then), checksLeft]() mutable {
                           if (!view.isVisible() && checksLeft > 0)
                               return whenShown(view, std::move(then), checksLeft - 1);
                           settle();
                           then();
                       });
}

} // namespace

void scheduleScreenshot(MainWindowView &view, const std::string &file,
                        const std::vector<std::string> &clicks,
                        std::function<void(bool taken)> finished)
{
    whenShown(view, [&view, file, clicks, finished] {
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
