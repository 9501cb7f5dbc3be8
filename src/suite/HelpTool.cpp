#include "suite/HelpTool.h"

#include "forms/Help.h"

namespace orvan::suite {

void HelpTool::ShowHELP(int32_t helpId, int32_t, const std::string &helpName, int32_t third,
                        const std::string &helpSystem, int32_t fifth)
{
    forms::helpViewer().show(forms::HelpTopic{helpId, helpName, helpSystem, third, fifth});
}

} // namespace orvan::suite
