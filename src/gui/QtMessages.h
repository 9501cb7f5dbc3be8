#pragma once

#include "forms/Messages.h"

namespace orvan::gui {

// Message boxes as modal QMessageBox dialogs.
class QtMessages : public forms::Messages
{
public:
    int msgBox(const std::string &text, int style, const std::string &title) override;
    int suiteMsgBox(const std::string &title, const std::string &text, int style) override;
};

} // namespace orvan::gui
