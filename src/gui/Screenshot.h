#pragma once

#include <functional>
#include <string>
#include <vector>

namespace orvan::gui {

class MainWindowView;

// Once the view has shown its starting node: clicks the nodes in order, renders the
// window into a PNG file and closes the window. `finished` learns whether the file was
// written; a node that is not in the tree fails the run but the picture is still taken.
void scheduleScreenshot(MainWindowView &view, const std::string &file,
                        const std::vector<std::string> &clicks,
                        std::function<void(bool taken)> finished);

} // namespace orvan::gui
