#pragma once

#include <cstdint>

#include "editor/RowKeyArray.h"

namespace orvan::editor {

// The values the main window and the record editor hand to each other. They are
// process-wide: the options ticked in one editor run hold for the next one. Tests reset
// them between cases.
struct EditorState
{
    // Filled by the main window before it opens the editor.
    RowKeyArray rowKeys;
    int32_t currentRow = 0; // position in rowKeys of the record shown
    bool addingNew = false; // the editor was opened to add a record

    // The planning time fences as stored, copied by the main window when it reads the
    // planning keys; the planning page checks new values against them and keeps them up
    // to date when it saves one.
    int32_t demandTimeLimit = 0;
    int32_t planTimeLimit = 0;
    int32_t timeZoneCount = 0;

    // The options of the editor's second tab; non-zero is on. The main window switches
    // them on when it starts (resetOptions); a fresh process starts with them on.
    int32_t refreshOnExit = -1;
    int32_t showErrors = -1;
    bool showHelp = true;

    // Navigation: the row shown before the last move, the bounds of rowKeys and
    // the rows Previous and Next move to.
    int32_t previousRow = 0;
    int32_t firstRow = 0;
    int32_t lastRow = 0;
    int32_t previousTarget = 0;
    int32_t nextTarget = 0;

    // The option values as a window start sets them: all on.
    void resetOptions();

    static EditorState &instance();
    static void reset();
};

inline EditorState &editorState()
{
    return EditorState::instance();
}

} // namespace orvan::editor
