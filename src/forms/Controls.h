#pragma once

#include <algorithm>
#include <string>
#include <vector>

// Small controls whose state is a handful of values.
namespace orvan::forms {

struct Label
{
    std::string caption;
    bool visible = true;
};

// Check box values as the host's: 0 cleared, 1 checked, 2 grayed.
struct CheckBox
{
    std::string name;
    std::string caption;
    int value = 0;
    bool enabled = true;
    bool visible = true;
};

// A status bar panel.
struct StatusPanel
{
    std::string key;
    std::string text;
    int widthTwips = 0;
};

struct StatusBar
{
    std::vector<StatusPanel> panels;

    StatusPanel *panel(const std::string &key)
    {
        const auto found = std::find_if(panels.begin(), panels.end(),
                                        [&key](const StatusPanel &p) { return p.key == key; });
        return found == panels.end() ? nullptr : &*found;
    }
};

// A vertical splitter between two panes; the position is the left pane's width in twips,
// kept between the limits.
struct Splitter
{
    int position = 0;
    int minimum = 0;
    int maximum = 0;

    // Moves the splitter, clamped to the limits; returns the position taken.
    int moveTo(int twips)
    {
        position = std::clamp(twips, minimum, std::max(minimum, maximum));
        return position;
    }
};

// A timer the window starts and stops; views (or tests) fire it.
struct Timer
{
    int intervalMs = 0;
    bool enabled = false;
};

// A list of check boxes, one per item key.
struct CheckListItem
{
    std::string key;
    std::string caption;
    bool checked = false;
};

struct CheckList
{
    std::vector<CheckListItem> items;
    int left = 0; // twips; a list moved far right is out of view
    bool visible = true;

    CheckListItem *item(const std::string &key)
    {
        const auto found = std::find_if(items.begin(), items.end(),
                                        [&key](const CheckListItem &i) { return i.key == key; });
        return found == items.end() ? nullptr : &*found;
    }
};

struct TabControl
{
    std::vector<std::string> captions;
    std::vector<bool> tabEnabled;
    int current = 0;
    bool visible = true;

    void addTab(std::string caption)
    {
        captions.push_back(std::move(caption));
        tabEnabled.push_back(true);
    }
};

} // namespace orvan::forms
