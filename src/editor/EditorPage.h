#pragma once

#include <string>
#include <vector>

#include "forms/Controls.h"

namespace orvan::editor {

// The key code of backspace, which every cell filter lets through.
inline constexpr int KeyAsciiBackspace = 8;

class RecordEditor;

// What the record editor does for one kind of record (the node key of the list it was
// opened from): sets up the grid, loads a row, checks and saves. The editor owns one
// page per run and calls it in this order: setUp, load (when the page loads on open),
// then per user action. Pages report their own failures through message boxes.
class EditorPage
{
public:
    virtual ~EditorPage();

    // Sets the window title, the grid rows, captions and special cells.
    virtual void setUp() = 0;
    // Whether the editor loads the current row after setting up (false: the page loads
    // inside setUp, or a new record starts empty).
    virtual bool loadsOnOpen() const { return true; }
    // Loads the record at the position of the row-key list into the grid.
    virtual void load(int row) = 0;
    // Runs after a move to another record has loaded it and updated the targets.
    virtual void afterMove() {}

    // The Save button.
    virtual void save() = 0;
    // Whether the editor clears its changed flag after save() (a page may do it itself).
    virtual bool clearsChangedAfterSave() const { return true; }
    // The checks made before a save from the save prompt; false: nothing is saved.
    virtual bool validateBeforeSave() { return true; }
    // The save of the save prompt; answer may be turned false to keep the editor open.
    virtual void saveFromPrompt(bool &answer)
    {
        (void)answer;
        save();
    }

    // The per-character filter of the grid: false discards the character.
    virtual bool acceptsGridCharacter(int keyAscii) const
    {
        (void)keyAscii;
        return true;
    }
    // The cursor leaves the cell; false keeps it there.
    virtual bool leaveCell(int col, int row)
    {
        (void)col;
        (void)row;
        return true;
    }
    // A key went down in the grid.
    virtual void gridKeyDown(int keyCode) { (void)keyCode; }
    // The editor closes.
    virtual void closed() {}

    // Check boxes the page shows beside its grid (the bill settings); none by default.
    virtual const std::vector<forms::CheckBox> &pageBoxes() const
    {
        static const std::vector<forms::CheckBox> none;
        return none;
    }
    // The user clicks one of them; false when there is no such box or it is disabled.
    virtual bool clickPageBox(const std::string &name)
    {
        (void)name;
        return false;
    }
};

} // namespace orvan::editor
