#include "editor/EditorState.h"

namespace orvan::editor {

void EditorState::resetOptions()
{
    refreshOnExit = -1;
    showErrors = -1;
    showHelp = true;
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
