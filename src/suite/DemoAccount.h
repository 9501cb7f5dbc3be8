#pragma once

#include <string>

namespace orvan::suite {

// Creates an account file with the schema and, when withDemoData is set, the demo
// account's data. Raises base::Error, leaving what was there before, when:
// - the path names a folder (or anything but a file), or its folder cannot be made;
// - the file exists and overwrite is not set;
// - the file is an account another program is writing to.
// The new account is written beside the path and renamed into place, so a failure
// halfway leaves the old file whole.
void writeAccount(const std::string &path, bool overwrite, bool withDemoData = true);

} // namespace orvan::suite
