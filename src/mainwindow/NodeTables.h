#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The fixed tables of the maintenance window, by node key: set codes, option pages,
// class titles, record commands and the footer texts of the choice lists.
namespace orvan::mainwindow {

// The help set code of a node (keys compared upper-cased); nothing for keys without one.
std::optional<std::string> setCodeOf(std::string_view key);

// The option page a node shows in the option-profile control; nothing for other nodes.
// "sys17" has page 17 here; the edition check is the content switch's.
std::optional<int32_t> optionPageOf(std::string_view key);

// The untranslated class title a node sets, or nullptr when it keeps the title.
const char *classTitleOf(std::string_view key);

// The untranslated window caption and class title of a class of parameters (nullptr for
// class 5 and unknown classes: both stay).
const char *windowCaptionOf(int32_t sysClass);
const char *classCaptionOf(int32_t sysClass);

// Which record commands a node offers: the toolbar buttons "New", "Delete", "Modify"
// (shown or hidden) and the Edit menu's Add, Delete, Modify (enabled or disabled). An
// empty value leaves the state as it is.
struct RecordCommands
{
    std::optional<bool> newButton;
    std::optional<bool> deleteButton;
    std::optional<bool> modifyButton;
    std::optional<bool> editAdd;
    std::optional<bool> editDelete;
    std::optional<bool> editModify;
    bool popupCommands = false; // the pop-up's Add, Delete and Modify enabled as well
};
RecordCommands recordCommandsOf(std::string_view key);

// Which pop-up items the grid's pop-up menu offers for a node.
struct PopupCommands
{
    bool add = false;
    bool remove = false;
    bool modify = false;
};
PopupCommands popupCommandsOf(std::string_view key);

// Option and group nodes, on which Modify does nothing.
bool isOptionOrGroupNode(std::string_view key);

// The translated footer text of a choice list ("au1", "au21", "pL1"), "" for others.
std::string footerText(std::string_view key);

// The load time for the status bar: seconds "#.00" + " 秒" above one second, else
// milliseconds "#.00" + "毫秒", translated.
std::string loadTimeText(double elapsedSeconds);

} // namespace orvan::mainwindow
