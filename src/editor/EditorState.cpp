#include "editor/EditorState.h"

namespace orvan::editor {

void EditorState::resetOptions()
{
    g_varRefreshOnExit = -1;
    g_varShowErrors = -1;
    g_bShowHelp = true;
}

EditorState &EditorState::instance()
{
    static EditorState state;
    return state;
}

void EditorState::reset()
{
    instance() = EditorState{};
}

} // namespace orvan::editor
