#pragma once

#include <memory>
#include <string>

#include "component/OutsideComponents.h"

// The account the option components work on.
namespace orvan::suite {

// The account a login's property string names ("ConnectString"); the window's process
// connection when the string names none. Raises base::Error when the account cannot be
// opened.
std::shared_ptr<component::ConnectionComponent> accountOfProps(const std::string &props);

// The window's process connection; before a window opened one, the account of the
// process's login.
std::shared_ptr<component::ConnectionComponent> processAccount();

} // namespace orvan::suite
