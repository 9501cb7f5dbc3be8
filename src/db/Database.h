#pragma once

#include "base/Error.h"
#include "db/BatchCache.h"
#include "db/BatchPlan.h"
#include "db/PreparedStatement.h"
#include "db/Procedure.h"
#include "db/Recordset.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvan::db {

class PreparedBatch;

// A connection to an account database that runs T-SQL batches, whatever engine keeps the
// account (SqliteDatabase.h: a file; PostgresDatabase.h: a server).
//
// Every batch is compiled for the engine (BatchCompiler.h), all of its statements
// prepared before any runs, and run in one transaction: all or nothing. Compiled batches
// are cached per text. Errors raise orvan::base::Error with the engine's message; the
// connection stays usable. Not for use by two threads at once: give each thread its own
// connection.
class Database
{
public:
    static constexpr size_t BatchCacheLimit = 512;

    virtual ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // The account as messages name it: a file path, or a server and database (never a
    // password).
    const std::string &path() const { return m_path; }
    // Whether the account can only be read.
    bool readOnly() const { return m_readOnly; }

    // Sees the text of every batch any connection of the process runs through execute(),
    // before it runs (a statement log); none when null.
    using BatchObserver = std::function<void(std::string_view batch)>;
    static void observeBatches(BatchObserver observer);

    // Runs a T-SQL batch. Returns the rows of the last query that ran (an open recordset
    // at EOF when it found none), or null when the batch ran no query.
    RecordsetPtr execute(std::string_view batch);

    // Runs the engine's own text as it stands (schema and data scripts), in one
    // transaction.
    virtual void executeNative(std::string_view script) = 0;

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

    // Differs from an earlier stamp when this connection or another one changed the
    // account in between: what was read before the earlier stamp may be read again from
    // memory.
    virtual std::pair<int64_t, int64_t> changeStamp() = 0;
    // Rows this connection's statements inserted, changed or deleted since it opened (on
    // an account file with the rows its triggers wrote).
    virtual int64_t rowsChanged() = 0;

    // Runs one transaction-control statement ("BEGIN", "COMMIT", "SAVEPOINT x", ...);
    // sql must be a literal (an engine may keep it prepared under its address).
    virtual void runControl(const char *sql) = 0;

    // Prepares one statement of a compiled batch for this engine.
    virtual PreparedStatementPtr prepare(const std::string &sql) = 0;

    // Runs whenever a transaction that may write begins, once the account's write lock is
    // held where the engine takes one; what it raises fails that transaction.
    void setWriteBegunHook(std::function<void()> hook) { m_writeBegun = std::move(hook); }

protected:
    explicit Database(std::string path);

    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool outerTransactionOpen() const { return m_outerTransactionOpen; }
    // Drops every prepared batch (the schema may change under them).
    void forgetPreparedBatches() { m_cache.clear(); }
    void refuseWriteWhenReadOnly() const;
    void writeBegun()
    {
        if (m_writeBegun)
            m_writeBegun();
    }

    // Runs body; an error it raises is noted against the open outer transaction first.
    template <class Body>
    decltype(auto) notingFailures(Body &&body)
    {
        try {
            return body();
        } catch (const base::Error &error) {
            noteFailure(error);
            throw;
        }
    }

private:
    friend class Transaction;

    // Makes the engine ready for a batch or procedure call outside any transaction
    // (a server connection lost since the last one is made again).
    virtual void readyForWork() {}
    // The batch compiled for this engine.
    virtual BatchPlan compile(std::string_view batch) = 0;
    // Whether the engine holds a transaction open (one it ended after an error is not).
    virtual bool inTransaction() = 0;
    // Whether a statement that fails inside a transaction spoils it, so that even a lone
    // read needs a savepoint there.
    virtual bool failedStatementSpoilsTransaction() const = 0;
    // Begins an outer transaction; a write one takes the account's write lock at once.
    virtual void beginOuterTransaction(bool write) = 0;

    struct NameLess
    {
        bool operator()(const std::string &a, const std::string &b) const;
    };

    std::shared_ptr<PreparedBatch> preparedBatch(std::string_view batch);
    const RegisteredProcedure &procedure(std::string_view name) const;
    void invoke(const RegisteredProcedure &procedure, std::vector<ProcedureParameter> &bound);
    void noteFailure(const base::Error &error);
    bool loneReadNeedsNoTransaction();

    std::string m_path;
    bool m_readOnly = false;
    // An outer transaction (not a savepoint) is open, and the first error of the account
    // itself (disk, lock, read-only, connection) met inside it: such a transaction is never
    // committed, whoever swallowed the error.
    bool m_outerTransactionOpen = false;
    std::optional<base::Error> m_outerFailure;
    std::function<void()> m_writeBegun;
    BatchCache m_cache{BatchCacheLimit};
    std::map<std::string, RegisteredProcedure, NameLess> m_procedures;
    uint64_t m_catalogVersion = 0;
    std::vector<std::string> m_catalogNames; // the procedures that came from the catalog
};

} // namespace orvan::db
