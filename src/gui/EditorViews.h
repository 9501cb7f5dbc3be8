#pragma once

namespace orvan::gui {

// Makes the shell show the record editor, the account lookup and the option dialogs of
// other modules with their Qt views.
void registerEditorViews();

} // namespace orvan::gui
