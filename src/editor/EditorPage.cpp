#include "editor/EditorPage.h"

namespace orvan::editor {

EditorPage::~EditorPage() = default;

} // namespace orvan::editor
