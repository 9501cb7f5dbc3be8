#pragma once

#include <memory>

class QApplication;

namespace orvan::gui {

// Owns the Qt application for one run of the program and installs the windows, the
// message boxes and the help presenter into the library.
class GuiHost
{
public:
    GuiHost(int &argc, char **argv);
    ~GuiHost();
    GuiHost(const GuiHost &) = delete;
    GuiHost &operator=(const GuiHost &) = delete;

private:
    std::unique_ptr<QApplication> m_application;
};

} // namespace orvan::gui
