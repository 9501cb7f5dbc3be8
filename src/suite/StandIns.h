#pragma once

namespace orvan::component {
class ComponentRegistry;
}

namespace orvan::suite {

// Registers the stand-ins of the suite's outside components under their ProgIDs.
void registerStandIns(component::ComponentRegistry &registry);

} // namespace orvan::suite
