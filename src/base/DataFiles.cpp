#include "base/DataFiles.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "base/Error.h"

namespace orvan::base {

std::string dataDirectory()
{
    if (const char *fromEnvironment = std::getenv("ORVAN_DATA_DIR");
        fromEnvironment && *fromEnvironment)
        return fromEnvironment;
    return ORVAN_DATA_DIR;
}

std::string dataFilePath(std::string_view relativePath)
{
    return dataDirectory() + "/" + std::string(relativePath);
}

std::string readDataFile(std::string_view relativePath)
{
    const auto path = dataFilePath(relativePath);
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw Error(ErrorNumber::FileNotFound, "File not found: " + path);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

} // namespace orvan::base
