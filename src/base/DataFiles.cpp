#include "base/DataFiles.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "base/Error.h"

namespace orvan::base {

namespace {

// The data folder an installation puts beside the running program; "" when the program
// runs from a build folder.
std::string installedDataDirectory()
{
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return {};
    const auto data = (program.parent_path() / ORVAN_INSTALLED_DATA_RELATIVE).lexically_normal();
    return std::filesystem::is_regular_file(data / "schema.sql", error) ? data.string()
                                                                        : std::string();
}

} // namespace

std::string dataDirectory()
{
    static const std::string installed = installedDataDirectory();
    if (!installed.empty())
        return installed;
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
