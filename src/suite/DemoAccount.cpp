#include "suite/DemoAccount.h"

#include <filesystem>

#include "base/DataFiles.h"
#include "base/Error.h"
#include "db/Database.h"

namespace orvan::suite {
namespace {

void removeAccountFiles(const std::string &path)
{
    namespace fs = std::filesystem;
    for (const auto &suffix : {"", "-wal", "-shm"})
        fs::remove(path + suffix);
}

} // namespace

void writeAccount(const std::string &path, bool overwrite, bool withDemoData)
{
    namespace fs = std::filesystem;
    if (fs::exists(path)) {
        if (!overwrite)
            throw base::Error(base::ErrorNumber::FileAlreadyExists,
                              "File already exists: " + path + " (use --force to replace it)");
        removeAccountFiles(path);
    }
    if (const auto folder = fs::path(path).parent_path(); !folder.empty())
        fs::create_directories(folder);
    const auto schema = base::readDataFile("schema.sql");
    const auto demo = withDemoData ? base::readDataFile("demo.sql") : std::string();
    try {
        db::Database account(path, db::Database::OpenMode::Create);
        account.executeNative(schema);
        if (withDemoData)
            account.executeNative(demo);
    } catch (...) {
        removeAccountFiles(path);
        throw;
    }
}

} // namespace orvan::suite
