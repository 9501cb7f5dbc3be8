#include "suite/HelpTool.h"

#include <iostream>

namespace orvan::suite {
namespace {

HelpTool::Presenter &presenter()
{
    static HelpTool::Presenter current;
    return current;
}

} // namespace

void HelpTool::setPresenter(Presenter newPresenter)
{
    presenter() = std::move(newPresenter);
}

std::string HelpTool::describe(const HelpTopic &topic)
{
    return "HELP " + std::to_string(topic.helpId) + " " + topic.helpName +
           (topic.helpSystem.empty() ? std::string() : " [" + topic.helpSystem + "]");
}

void HelpTool::ShowHELP(int32_t helpId, int32_t, const std::string &helpName, int32_t third,
                        const std::string &helpSystem, int32_t fifth)
{
    const HelpTopic topic{helpId, helpName, helpSystem, third, fifth};
    if (presenter())
        presenter()(topic);
    else
        std::cout << describe(topic) << std::endl;
}

} // namespace orvan::suite
