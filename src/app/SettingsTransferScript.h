#pragma once

namespace orvan::app {

// The export and import settings windows' script lines: file PATH, scope NAME on|off,
// tool Check|Import|Export, dump transfer.
void registerSettingsTransferScript();

} // namespace orvan::app
