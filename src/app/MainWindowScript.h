#pragma once

namespace orvan::app {

// Makes SysFace.Show open the maintenance window and gives scripts its lines:
// "click KEY" (select and click a tree node), "row N", "tool KEY", "menu MENU.ITEM",
// "key F1", "split TWIPS" and "dump tree|grid|title|status|toolbar".
void registerMainWindowScript();

} // namespace orvan::app
