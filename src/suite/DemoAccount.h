#pragma once

#include <string>

namespace orvan::suite {

// Creates an account file with the schema and, when withDemoData is set, the demo
// account's data. Refuses an existing file unless overwrite is set; leaves no file
// behind when it fails. Raises base::Error.
void writeAccount(const std::string &path, bool overwrite, bool withDemoData = true);

} // namespace orvan::suite
