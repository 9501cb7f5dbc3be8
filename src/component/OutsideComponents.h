#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/Object.h"
#include "base/Variant.h"

#include "db/Procedure.h"
#include "db/Recordset.h"

// Typed interfaces of the suite components this library leans on. Stand-ins implement
// them and register under their ProgIDs (see ProgIds.h).
namespace orvan::component {

// While it lives, the reads of the process's connections to the account see one state
// of it (a read transaction), and cost no lock each.
class ReadingScope
{
public:
    virtual ~ReadingScope() = default;
};

// While it lives, what the process's connections change belongs to one write transaction
// (their own transactions nest inside it): kept by commit(), undone when the scope ends
// without it.
class ChangeScope
{
public:
    virtual ~ChangeScope() = default;
    virtual void commit() = 0;
};

// The connection to the account database. Execute runs one SQL text (a query, a
// statement or a batch) and returns a recordset for a query (at end of file when there
// are no rows) or nullptr for statements; errors are raised as base::Error.
class ConnectionComponent : public base::Object
{
public:
    // Opens (or re-opens) the connection on a connection string.
    virtual void Open(const std::string &connectString) = 0;
    virtual std::shared_ptr<db::Recordset> Execute(const std::string &sql) = 0;
    // The next free number for the table.
    virtual int32_t GetICMaxNum(const std::string &tableName) = 0;
    // Runs a stored procedure as a command with named parameters; output parameters
    // receive the values the procedure set.
    virtual void callProcedure(const std::string &name,
                               std::vector<db::ProcedureParameter> &parameters) = 0;
    // A transaction over several Execute calls: everything between BeginTrans and
    // CommitTrans is applied at once, or not at all after RollbackTrans.
    virtual void BeginTrans() = 0;
    virtual void CommitTrans() = 0;
    virtual void RollbackTrans() = 0;
    // A value that differs from an earlier one when the account changed in between (a
    // commit on any connection); "" when the connection cannot tell, which means changed.
    virtual std::string changeStamp() { return {}; }
    // Reads that belong together (a list assembled from many questions); null when the
    // connection cannot hold them together.
    virtual std::unique_ptr<ReadingScope> beginReading() { return nullptr; }
    // A change made of many steps, each of which may begin and commit its own
    // transaction; null when the connection cannot hold them together.
    virtual std::unique_ptr<ChangeScope> beginChange() { return nullptr; }
    // Rows this connection's statements changed since it opened (0 when it cannot tell).
    virtual int64_t rowsChanged() { return 0; }
    // Records a change whose rows are not recorded one by one as one row of the account's
    // change history, in the transaction at hand (nothing where the account keeps none).
    virtual void recordSummary(const std::string &table, const std::string &record,
                               const std::string &text)
    {
        (void)table;
        (void)record;
        (void)text;
    }
};

// The rights component: true when the logged-in user holds the right.
class RightsComponent : public base::Object
{
public:
    virtual bool AccessCheck(int32_t objectId, int32_t rightId, int32_t mask) = 0;
};

// Shared login properties, published per process by the login.
class SharedPropsComponent : public base::Object
{
public:
    virtual base::Variant GetProperty(int32_t processId, const std::string &name) = 0;
};

// Shows a help topic.
class HelpComponent : public base::Object
{
public:
    virtual void ShowHELP(int32_t helpId, int32_t reserved1, const std::string &helpName,
                          int32_t third, const std::string &helpSystem, int32_t fifth) = 0;
};

} // namespace orvan::component
