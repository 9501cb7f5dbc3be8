#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "component/Translation.h"
#include "params/NodeTable.h"

// What the maintenance window decides by a node key, read from the node table
// (params/NodeTable.h), and the captions and footers it builds.
namespace orvan::mainwindow {

// The help set code of a node (keys compared upper-cased); nothing for keys without one.
std::optional<std::string> setCodeOf(std::string_view key);

// The option page a node shows in the option-profile control; nothing for other nodes.
// The store options have page 17 here; the edition check is the content switch's.
std::optional<int32_t> optionPageOf(std::string_view key);

// The untranslated class title a node sets, or nullptr when it keeps the title.
const char *classTitleOf(std::string_view key);

// The untranslated window caption and class title of a class of parameters (nullptr for
// class 5 and unknown classes: both stay).
const char *windowCaptionOf(int32_t sysClass);
const char *classCaptionOf(int32_t sysClass);

using params::PopupCommands;
using params::RecordCommands;

// Which record commands a node offers when it is shown.
RecordCommands recordCommandsOf(std::string_view key);

// Which pop-up items the grid's pop-up menu offers for a node.
PopupCommands popupCommandsOf(std::string_view key);

// Option and group nodes, on which Modify does nothing.
bool isOptionOrGroupNode(std::string_view key);

// The translated footer text of a choice list (account-set parameters, the period state
// and the planning parameters), "" for others.
std::string footerText(std::string_view key);

// The load time for the status bar: seconds "#.00" + " 秒" above one second, else
// milliseconds "#.00" + "毫秒", translated.
std::string loadTimeText(double elapsedSeconds);
// The same, with the unit taken from a window's translated words.
std::string loadTimeText(double elapsedSeconds, component::TranslatedTexts &words);

} // namespace orvan::mainwindow
