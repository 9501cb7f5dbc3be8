#pragma once

namespace orvan::app {

// The record editor's script lines: cell, tool, box, tab, key F7/F8 and dump editor.
void registerEditorScript();

} // namespace orvan::app
