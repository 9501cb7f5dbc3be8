#pragma once

#include <exception>
#include <string>

#include "base/Error.h"

// What the user reads when the account refused a change: the reason in the login's
// language. The error's description keeps the engine's words for diagnostics.
namespace orvan::component {

// The reason the account could not take a change, translated; "" for None.
std::string accountFailureText(base::AccountFailure why);

// The text a user reads about an error: the account's reason for an unavailable account
// (its engine's words go to standard error, the diagnostics log), the error's own words
// otherwise.
std::string userErrorText(const std::exception &error);

// A message's text followed, on a line of its own, by the reason when the error is the
// account's being unavailable (a disk, lock or read-only failure the user can act on);
// the text alone for any other error.
std::string withAccountReason(const std::string &text, const std::exception &error);

} // namespace orvan::component
