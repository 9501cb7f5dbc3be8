#pragma once

#include "forms/Messages.h"

namespace orvan::gui {

// Message boxes as modal QMessageBox dialogs.
class QtMessages : public forms::Messages
{
public:
    forms::Answer show(const forms::Message &message) override;
};

} // namespace orvan::gui
