#pragma once

#include <cstdint>
#include <string>

#include "component/OutsideComponents.h"

namespace orvan::suite {

// "OrvanCHMResTool.ClsCHMHelp": shows a help topic through the process's help viewer
// (forms::helpViewer: a page in the GUI, one printed line headless).
class HelpTool : public component::HelpComponent
{
public:
    void ShowHELP(int32_t helpId, int32_t reserved1, const std::string &helpName, int32_t third,
                  const std::string &helpSystem, int32_t fifth) override;
};

} // namespace orvan::suite
