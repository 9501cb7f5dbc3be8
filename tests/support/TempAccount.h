#pragma once

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <string>

#include "db/Recordset.h"
#include "db/SqliteDatabase.h"
#include "suite/DemoAccount.h"

namespace orvan::test {

// The demo account (or the bare schema) in a scratch file, removed with its WAL files
// when the object goes.
class TempAccount
{
public:
    enum class Content { Demo, SchemaOnly };

    explicit TempAccount(Content content = Content::Demo)
    {
        static std::atomic<int> counter{0};
        m_path = (std::filesystem::temp_directory_path() /
                  ("orvan-account-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) +
                   ".db"))
                     .string();
        suite::writeAccount(m_path, true, content == Content::Demo);
    }
    ~TempAccount()
    {
        for (const char *suffix : {"", "-wal", "-shm"})
            std::filesystem::remove(m_path + suffix);
    }
    TempAccount(const TempAccount &) = delete;
    TempAccount &operator=(const TempAccount &) = delete;

    const std::string &path() const { return m_path; }
    std::string connectString() const { return "Provider=SQLite;Data Source=" + m_path; }

    // The first value of a query, as text.
    std::string value(const std::string &sql) const
    {
        return db::SqliteDatabase(m_path).execute(sql)->Fields(0).Value().text();
    }
    // A T-SQL batch through the account's engine.
    void run(const std::string &sql) const { db::SqliteDatabase(m_path).execute(sql); }
    // Plain SQLite text, for what the engine does not take (DROP TABLE).
    void runNative(const std::string &sql) const { db::SqliteDatabase(m_path).executeNative(sql); }

private:
    std::string m_path;
};

} // namespace orvan::test
