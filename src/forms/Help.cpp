#include "forms/Help.h"

#include <iostream>

namespace orvan::forms {
namespace {

std::shared_ptr<HelpViewer> &currentViewer()
{
    static std::shared_ptr<HelpViewer> viewer = std::make_shared<PrintedHelp>(std::cout);
    return viewer;
}

} // namespace

HelpViewer::~HelpViewer() = default;

PrintedHelp::PrintedHelp(std::ostream &out)
    : m_out(out)
{}

void PrintedHelp::show(const HelpTopic &topic)
{
    m_out << describe(topic) << std::endl;
}

std::string PrintedHelp::describe(const HelpTopic &topic)
{
    return "HELP " + std::to_string(topic.helpId) + " " + topic.helpName +
           (topic.helpSystem.empty() ? std::string() : " [" + topic.helpSystem + "]");
}

HelpViewer &helpViewer()
{
    return *currentViewer();
}

void setHelpViewer(std::shared_ptr<HelpViewer> viewer)
{
    currentViewer() = viewer ? std::move(viewer) : std::make_shared<PrintedHelp>(std::cout);
}

} // namespace orvan::forms
