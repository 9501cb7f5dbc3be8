#pragma once

#include "db/Database.h"

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

struct sqlite3;
struct sqlite3_stmt;

namespace orvan::db {

// An account database file, run by the embedded engine.
//
// A new file is created in WAL mode; an existing one is opened as it is, read-only when
// it or its folder cannot be written (a write then raises a clear error), and never
// written by opening: its first write switches it to WAL. Connections wait out locks with a
// busy timeout and enforce foreign keys; text comparison follows the account database's
// default collation (see SqlFunctions.h: text columns are declared COLLATE NOCASE).
class SqliteDatabase : public Database
{
public:
    // Existing opens read-only by itself when the file or its folder is not writable;
    // ReadOnly always does.
    enum class OpenMode { Existing, Create, ReadOnly };

    static constexpr int BusyTimeoutMs = 10000;

    // Raises orvan::base::Error when the file is missing (Existing), cannot be opened,
    // or is not a database.
    explicit SqliteDatabase(const std::string &path, OpenMode mode = OpenMode::Existing);
    ~SqliteDatabase() override;

    sqlite3 *handle() const { return m_db; }

    void executeNative(std::string_view script) override;
    std::pair<int64_t, int64_t> changeStamp() override;
    int64_t rowsChanged() override;
    // Kept prepared per connection: they run around every batch.
    void runControl(const char *sql) override;
    PreparedStatementPtr prepare(const std::string &sql) override;

private:
    BatchPlan compile(std::string_view batch) override;
    bool inTransaction() override;
    bool failedStatementSpoilsTransaction() const override { return false; }
    void beginOuterTransaction(bool write) override;

    void open(OpenMode mode);
    sqlite3_stmt *controlStatement(const char *sql);
    void run(const char *sql);
    void refuseEmptyFile() const;
    static bool writable(const std::string &path);
    // An account written for the first time by this program is switched to write-ahead
    // logging (opening and reading never change it); outside any transaction only.
    void useWriteAheadLogOnce();

    sqlite3 *m_db = nullptr;
    bool m_journalModeChecked = false;
    std::unordered_map<std::string_view, sqlite3_stmt *> m_controlStatements;
};

} // namespace orvan::db
