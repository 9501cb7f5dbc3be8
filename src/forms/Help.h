#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace orvan::forms {

// A help topic as the help system receives it: its id, name and help system, and the two
// numbers the caller passes through.
struct HelpTopic
{
    int32_t helpId = 0;
    std::string helpName;
    std::string helpSystem;
    int32_t third = 0;
    int32_t fifth = 0;
};

// Shows help topics. The GUI opens a page; the command line and scripts print one line
// per topic; tests record them.
class HelpViewer
{
public:
    virtual ~HelpViewer();
    virtual void show(const HelpTopic &topic) = 0;
};

// Prints "HELP <id> <name> [<help system>]" for each topic to a stream.
class PrintedHelp : public HelpViewer
{
public:
    explicit PrintedHelp(std::ostream &out);
    void show(const HelpTopic &topic) override;
    static std::string describe(const HelpTopic &topic);

private:
    std::ostream &m_out;
};

class RecordedHelp : public HelpViewer
{
public:
    void show(const HelpTopic &topic) override { m_topics.push_back(topic); }
    const std::vector<HelpTopic> &topics() const { return m_topics; }

private:
    std::vector<HelpTopic> m_topics;
};

// The process's help viewer; prints to standard output until one is installed.
HelpViewer &helpViewer();
void setHelpViewer(std::shared_ptr<HelpViewer> viewer);

} // namespace orvan::forms
