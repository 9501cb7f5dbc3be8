#pragma once

#include "base/Error.h"
#include "db/BatchCache.h"
#include "db/Procedure.h"
#include "db/Recordset.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace orvan::db {

class PreparedBatch;

// A connection to an account database file that runs T-SQL batches.
//
// A new file is created in WAL mode; an existing one is opened as it is, read-only when
// it or its folder cannot be written (a write then raises a clear error), and never
// written by opening: its first write switches it to WAL. Connections wait out locks with a busy
// timeout and enforce foreign keys; text comparison follows the account database's default
// collation (see SqlFunctions.h: text columns are declared COLLATE NOCASE). Every batch is compiled
// (BatchCompiler.h), all of its statements prepared before any runs, and run in one transaction:
// all or nothing. Compiled batches are cached per text. Errors raise orvan::base::Error with the
// database's message; the connection stays usable. Not for use by two threads at once:
// give each thread its own connection.
class Database
{
public:
    // Existing opens read-only by itself when the file or its folder is not writable;
    // ReadOnly always does.
    enum class OpenMode { Existing, Create, ReadOnly };

    static constexpr int BusyTimeoutMs = 10000;
    static constexpr size_t BatchCacheLimit = 512;

    // Raises orvan::base::Error when the file is missing (Existing), cannot be opened,
    // or is not a database.
    explicit Database(const std::string &path, OpenMode mode = OpenMode::Existing);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    const std::string &path() const { return m_path; }
    // Whether the account was opened read-only (the file or its folder is not writable).
    bool readOnly() const { return m_readOnly; }
    sqlite3 *handle() const { return m_db; }

    // Sees the text of every batch any connection of the process runs through execute(),
    // before it runs (a statement log); none when null.
    using BatchObserver = std::function<void(std::string_view batch)>;
    static void observeBatches(BatchObserver observer);

    // Runs a T-SQL batch. Returns the rows of the last query that ran (an open recordset
    // at EOF when it found none), or null when the batch ran no query.
    RecordsetPtr execute(std::string_view batch);

    // Runs SQLite text as it stands (schema and data scripts), in one transaction.
    void executeNative(std::string_view script);

    // Registers a procedure for "exec name args" and callProcedure; names are compared
    // without regard to case.
    void registerProcedure(std::string name, std::vector<ProcedureParameter> parameters,
                           Procedure body);
    bool hasProcedure(std::string_view name) const;
    // Makes the procedures of a catalog version this connection's, in place of those of the
    // version it had (procedures registered directly stay); nothing when it has that one.
    void adoptCatalogProcedures(uint64_t version,
                                const std::vector<RegisteredProcedure> &procedures);

    // Calls a procedure with named parameters, in one transaction; output and
    // input-output parameters receive the values the procedure set.
    void callProcedure(std::string_view name, std::vector<ProcedureParameter> &arguments);

    // Runs a procedure for an "exec" step of a running batch.
    void runProcedure(std::string_view name, const std::vector<CallArgument> &arguments);

    size_t cachedBatchCount() const { return m_cache.size(); }

    // Differs from an earlier stamp when this connection or another one changed the file
    // in between: what was read before the earlier stamp may be read again from memory.
    std::pair<int64_t, int64_t> changeStamp();

    // Runs one transaction-control statement ("BEGIN", "COMMIT", "SAVEPOINT x", ...),
    // prepared once per connection: they run around every batch. sql must be a literal
    // (it keys the prepared statement).
    void runControl(const char *sql);

private:
    struct NameLess
    {
        bool operator()(const std::string &a, const std::string &b) const;
    };

    void open(OpenMode mode);
    sqlite3_stmt *controlStatement(const char *sql);
    void run(const char *sql);
    void refuseEmptyFile() const;
    void refuseWriteWhenReadOnly() const;
    static bool writable(const std::string &path);
    std::shared_ptr<PreparedBatch> preparedBatch(std::string_view batch);
    const RegisteredProcedure &procedure(std::string_view name) const;
    void invoke(const RegisteredProcedure &procedure, std::vector<ProcedureParameter> &bound);

    friend class Transaction;
    // Runs body; an error it raises is noted against the open outer transaction first.
    template <class Body>
    decltype(auto) notingFailures(Body &&body);
    void noteFailure(const base::Error &error);
    // An account written for the first time by this program is switched to write-ahead
    // logging (opening and reading never change it); outside any transaction only.
    void useWriteAheadLogOnce();

    std::string m_path;
    sqlite3 *m_db = nullptr;
    bool m_readOnly = false;
    bool m_journalModeChecked = false;
    // An outer transaction (not a savepoint) is open, and the first error of the account
    // itself (disk, lock, read-only) met inside it: such a transaction is never
    // committed, whoever swallowed the error.
    bool m_outerTransactionOpen = false;
    std::optional<base::Error> m_outerFailure;
    BatchCache m_cache{BatchCacheLimit};
    std::unordered_map<std::string_view, sqlite3_stmt *> m_controlStatements;
    std::map<std::string, RegisteredProcedure, NameLess> m_procedures;
    uint64_t m_catalogVersion = 0;
    std::vector<std::string> m_catalogNames; // the procedures that came from the catalog
};

} // namespace orvan::db
