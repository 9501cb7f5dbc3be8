#pragma once

#include <string>

namespace orvan::app {

// Publishes the login for this process and registers the public classes and the
// stand-ins of the outside components.
void startComponents(const std::string &login);

} // namespace orvan::app
