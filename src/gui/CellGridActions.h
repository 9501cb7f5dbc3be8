#pragma once

#include <functional>
#include <string>

namespace orvan::gui {

// What the user does in a CellGridView, handed to the grid's owner. Every action is
// optional; those that return false leave the grid as it was.
struct CellGridActions
{
    // The cursor moves to a cell (also asked again before a cell is edited).
    std::function<bool(int col, int row)> enterCell;
    // The cursor leaves the grid for another control of the window.
    std::function<void()> leaveGrid;
    // The text of a finished edit in a text, number or date cell (and in a list cell when
    // there is no chooseItem).
    std::function<bool(int col, int row, const std::string &text)> typeText;
    // An entry of a list cell chosen, by its index in the cell's list.
    std::function<bool(int col, int row, int index)> chooseItem;
    // A check box cell clicked; ticked is the state the user asked for.
    std::function<bool(int col, int row, bool ticked)> clickBox;
    // A function key (host code: F7 is 118) pressed in the grid.
    std::function<void(int keyCode)> keyDown;
    // The filter of typed characters (character code); refused ones are discarded.
    std::function<bool(int keyAscii)> acceptsKey;
    // The text shown for a cell's text or a list entry of a column; the text itself
    // when absent.
    std::function<std::string(int col, const std::string &text)> shownText;
};

} // namespace orvan::gui
