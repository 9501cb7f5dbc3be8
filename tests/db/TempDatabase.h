#pragma once

#include "db/SqliteDatabase.h"

#include <atomic>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace orvan::db::test {

// A database file under the temporary directory, removed with its WAL files afterwards.
class TempDatabaseFile
{
public:
    TempDatabaseFile()
    {
        static std::atomic<int> counter{0};
        m_path = (std::filesystem::temp_directory_path() /
                  ("orvan-db-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) +
                   ".db"))
                     .string();
        removeFiles();
    }
    ~TempDatabaseFile() { removeFiles(); }

    const std::string &path() const { return m_path; }

private:
    void removeFiles()
    {
        for (const char *suffix : {"", "-wal", "-shm", "-journal"})
            std::filesystem::remove(m_path + suffix);
    }

    std::string m_path;
};

// Returns the single value of a query as text ("NULL" for null), for row checks.
std::string scalarText(SqliteDatabase &db, std::string_view sql);

} // namespace orvan::db::test
