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
    RowKeyArray g_arrRowKeys;
    int32_t g_varCurrentRow = 0; // position in g_arrRowKeys of the record shown
    bool g_bAddNew = false;      // the editor was opened to add a record

    // The planning time fences as stored, copied by the main window when it reads the
    // planning keys; the planning page checks new values against them and keeps them up
    // to date when it saves one.
    int32_t g_lngDemandTimeLimit = 0;
    int32_t g_lngPlanTimeLimit = 0;
    int32_t g_lngTimeZoneCount = 0;

    // The options of the editor's second tab; non-zero is on. The main window switches
    // them on when it starts (resetOptions); a fresh process starts with them on.
    int32_t g_varRefreshOnExit = -1;
    int32_t g_varShowErrors = -1;
    bool g_bShowHelp = true;

    // Navigation: the row shown before the last move, the bounds of g_arrRowKeys and
    // the rows Previous and Next move to.
    int32_t g_varPrevRow = 0;
    int32_t g_varFirstRow = 0;
    int32_t g_lngLastRow = 0;
    int32_t g_varPrevTarget = 0;
    int32_t g_varNextTarget = 0;

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
