#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "component/OutsideComponents.h"

namespace orvan::suite {

struct HelpTopic
{
    int32_t helpId = 0;
    std::string helpName;
    std::string helpSystem;
    int32_t third = 0;
    int32_t fifth = 0;
};

// "OrvanCHMResTool.ClsCHMHelp": shows a help topic through the presenter the program
// installs (the GUI opens a page or names the topic); headless it prints one line.
class HelpTool : public component::HelpComponent
{
public:
    using Presenter = std::function<void(const HelpTopic &)>;
    static void setPresenter(Presenter presenter);
    // The line printed for a topic when no presenter is installed.
    static std::string describe(const HelpTopic &topic);

    void ShowHELP(int32_t helpId, int32_t reserved1, const std::string &helpName, int32_t third,
                  const std::string &helpSystem, int32_t fifth) override;
};

} // namespace orvan::suite
