#pragma once

#include <memory>
#include <string>
#include <vector>

class QApplication;

namespace orvan::gui {

// The maintenance window is never smaller than this, in pixels.
inline constexpr int SmallestWindowWidth = 640;
inline constexpr int SmallestWindowHeight = 420;

struct GuiOptions
{
    // Renders the maintenance window into this PNG file once its starting node is shown,
    // then closes it. The window is drawn off screen and messages go to standard error.
    std::string screenshotFile;
    // Nodes clicked, in order, before the screenshot.
    std::vector<std::string> clicks;
    // The window's size in pixels; 0 keeps the default.
    int width = 0;
    int height = 0;
};

// Owns the Qt application for one run of the program and installs the windows, the
// message boxes, the printer and the help presenter into the library.
class GuiHost
{
public:
    GuiHost(int &argc, char **argv, GuiOptions options = {});
    ~GuiHost();
    GuiHost(const GuiHost &) = delete;
    GuiHost &operator=(const GuiHost &) = delete;

    // The program's exit code once the window closed: 0, or 1 when a screenshot was asked
    // for and not written (said on standard error when the window never opened).
    int finish() const;

private:
    void registerViews();

    GuiOptions m_options;
    std::unique_ptr<QApplication> m_application;
    bool m_screenshotTried = false;
    int m_exitCode = 0;
};

// The font family the views use: one that holds Chinese glyphs when the system has one.
void chooseApplicationFont();

} // namespace orvan::gui
