#pragma once

#include <string>
#include <string_view>

namespace orvan::base {

// The program's data directory (schema, demo data, catalogs, images, help): the one an
// installation puts beside the program (<prefix>/share/orvan-sysmaintain for
// <prefix>/bin/orvan-sysmaintain), else $ORVAN_DATA_DIR when set, else the data folder
// of the source tree a development build was made from ("" when there is none).
std::string dataDirectory();

// The path of a file under the data directory.
std::string dataFilePath(std::string_view relativePath);

// The whole content of a data file; raises base::Error naming the path when it cannot
// be read.
std::string readDataFile(std::string_view relativePath);

} // namespace orvan::base
