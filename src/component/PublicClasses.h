#pragma once

namespace orvan::component {

class ComponentRegistry;

// Makes the public classes creatable by their ProgIDs ("OrvanSysMaintain.SysFace", ...).
void registerPublicClasses(ComponentRegistry &registry);

} // namespace orvan::component
