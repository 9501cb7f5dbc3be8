#include "suite/DemoAccount.h"

#include <sqlite3.h>

#include <filesystem>
#include <system_error>

#include "base/DataFiles.h"
#include "base/Error.h"
#include "db/PostgresDatabase.h"
#include "db/ServerSchema.h"
#include "db/SqliteDatabase.h"

namespace orvan::suite {
namespace {

namespace fs = std::filesystem;
using base::Error;
using base::ErrorNumber::PathFileAccessError;

void removeAccountFiles(const std::string &path)
{
    std::error_code ignored;
    for (const auto &suffix : {"", "-wal", "-shm", "-journal"})
        fs::remove(path + suffix, ignored);
}

// The folder of the account exists (made when missing) and is a folder.
void prepareFolder(const std::string &path)
{
    const auto folder = fs::path(path).parent_path();
    if (folder.empty())
        return;
    std::error_code error;
    if (fs::exists(folder, error) && !fs::is_directory(folder, error))
        throw Error(PathFileAccessError, "Cannot write the account " + path + ": " +
                                             folder.string() + " is a file, not a folder");
    fs::create_directories(folder, error);
    if (error)
        throw Error(PathFileAccessError, "Cannot make the folder " + folder.string() +
                                             " of the account: " + error.message());
}

// Holds the write lock of an existing account while it is replaced, so that no other
// program is halfway through a write into the file that goes away. A file that is not
// an account (or cannot be opened) has nobody to wait for.
class ReplacementLock
{
public:
    explicit ReplacementLock(const std::string &path)
    {
        if (sqlite3_open_v2(path.c_str(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            return;
        // Closing must not remove the write-ahead log by its name: by then the name
        // belongs to the new account.
        int persist = 1;
        sqlite3_file_control(m_db, "main", SQLITE_FCNTL_PERSIST_WAL, &persist);
        const int result = sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        if (result == SQLITE_BUSY || result == SQLITE_LOCKED) {
            sqlite3_close(m_db);
            m_db = nullptr;
            throw Error(PathFileAccessError,
                        "The account " + path +
                            " is in use: another program is writing to it. Close that "
                            "program and try again.");
        }
    }
    ~ReplacementLock()
    {
        if (!m_db)
            return;
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(m_db);
    }
    ReplacementLock(const ReplacementLock &) = delete;
    ReplacementLock &operator=(const ReplacementLock &) = delete;

private:
    sqlite3 *m_db = nullptr;
};

void writeFreshAccount(const std::string &path, bool withDemoData)
{
    const auto schema = base::readDataFile("schema.sql");
    const auto demo = withDemoData ? base::readDataFile("demo.sql") : std::string();
    removeAccountFiles(path);
    try {
        db::SqliteDatabase account(path, db::SqliteDatabase::OpenMode::Create);
        account.executeNative(schema);
        if (withDemoData)
            account.executeNative(demo);
    } catch (...) {
        removeAccountFiles(path);
        throw;
    }
}

void moveIntoPlace(const std::string &fresh, const std::string &path)
{
    std::error_code error;
    fs::rename(fresh, path, error);
    if (error) {
        removeAccountFiles(fresh);
        throw Error(PathFileAccessError,
                    "Cannot put the new account in place at " + path + ": " + error.message());
    }
}

} // namespace

void writeAccount(const std::string &path, bool overwrite, bool withDemoData)
{
    std::error_code error;
    const auto status = fs::status(path, error);
    if (fs::is_directory(status))
        throw Error(PathFileAccessError, path + " is a folder, not an account file");
    const bool exists = fs::exists(status);
    if (exists && !fs::is_regular_file(status))
        throw Error(PathFileAccessError, path + " is not a file an account can be written to");
    if (exists && !overwrite)
        throw Error(base::ErrorNumber::FileAlreadyExists,
                    "File already exists: " + path + " (use --force to replace it)");
    prepareFolder(path);
    const auto fresh = path + ".new";
    writeFreshAccount(fresh, withDemoData);
    if (!exists) {
        moveIntoPlace(fresh, path);
        return;
    }
    try {
        ReplacementLock lock(path);
        for (const auto &suffix : {"-wal", "-shm", "-journal"})
            fs::remove(path + suffix, error);
        moveIntoPlace(fresh, path);
    } catch (...) {
        removeAccountFiles(fresh);
        throw;
    }
}

bool writeServerAccount(const std::string &connection, bool overwrite, bool ifMissing,
                        bool withDemoData)
{
    db::PostgresDatabase account(connection);
    const bool holdsTables = !account.schemaNames().empty();
    if (holdsTables && ifMissing)
        return false;
    if (holdsTables && !overwrite)
        throw Error(base::ErrorNumber::FileAlreadyExists,
                    "The database " + account.path() +
                        " holds tables already (use --force to replace them)");
    const auto schema = db::translateSchema(base::readDataFile("schema.sql"),
                                            base::readDataFile("schema-server.sql"));
    std::string script;
    if (holdsTables)
        script = "DO $$ DECLARE s text := current_schema(); BEGIN "
                 "EXECUTE format('DROP SCHEMA %I CASCADE', s); "
                 "EXECUTE format('CREATE SCHEMA %I', s); END $$;\n";
    script += schema.script;
    if (withDemoData)
        script += db::translateData(base::readDataFile("demo.sql"), schema.names);
    account.executeNative(script);
    return true;
}

} // namespace orvan::suite
