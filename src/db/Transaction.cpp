#include "db/Transaction.h"

#include "db/Database.h"
#include "db/DbError.h"

namespace orvan::db {

namespace {

// A savepoint of one name serves every level: each RELEASE or ROLLBACK TO acts on the
// innermost one.
constexpr const char *Savepoint = "SAVEPOINT orvan_nested";
constexpr const char *ReleaseSavepoint = "RELEASE orvan_nested";
constexpr const char *RollbackToSavepoint = "ROLLBACK TO orvan_nested";

} // namespace

Transaction::Transaction(Database &database, Kind kind)
    : m_database(database)
    , m_nested(database.inTransaction())
{
    if (!m_nested && m_database.m_outerTransactionOpen) {
        // The engine ended the outer transaction after an error: what would run now
        // would be saved on its own, outside the change it belongs to.
        m_finished = true;
        const auto &failure = m_database.m_outerFailure;
        throw base::Error::accountUnavailable(
            failure ? failure->accountFailure() : base::AccountFailure::NotWritten, SqlErrorNumber,
            "The change was ended by an earlier error and nothing of it was saved (" +
                (failure ? failure->description() : std::string()) + ")",
            ErrorSource);
    }
    if (m_nested) {
        run(Savepoint);
        if (kind == Kind::Write)
            beginWritingInside();
        return;
    }
    m_database.beginOuterTransaction(kind == Kind::Write);
    m_database.m_outerTransactionOpen = true;
    m_database.m_outerFailure.reset();
}

// A batch that may write, inside a transaction begun for reading or writing.
void Transaction::beginWritingInside()
{
    try {
        m_database.writeBegun();
    } catch (...) {
        runQuietly(RollbackToSavepoint);
        runQuietly(ReleaseSavepoint);
        throw;
    }
}

Transaction::~Transaction()
{
    if (m_finished)
        return;
    if (m_nested) {
        runQuietly(RollbackToSavepoint);
        runQuietly(ReleaseSavepoint);
        return;
    }
    if (m_database.inTransaction())
        runQuietly("ROLLBACK");
    finishOuter();
}

void Transaction::commit()
{
    if (m_nested) {
        run(ReleaseSavepoint);
        m_finished = true;
        return;
    }
    if (m_database.m_outerFailure) {
        const base::Error failure = *m_database.m_outerFailure;
        if (m_database.inTransaction())
            runQuietly("ROLLBACK");
        finishOuter();
        throw base::Error::accountUnavailable(failure.accountFailure(), SqlErrorNumber,
                                              "The change was not saved: " + failure.description(),
                                              ErrorSource);
    }
    try {
        run("COMMIT");
    } catch (...) {
        if (m_database.inTransaction())
            runQuietly("ROLLBACK");
        finishOuter();
        throw;
    }
    finishOuter();
}

void Transaction::finishOuter()
{
    m_finished = true;
    m_database.m_outerTransactionOpen = false;
    m_database.m_outerFailure.reset();
}

void Transaction::run(const char *sql)
{
    m_database.runControl(sql);
}

void Transaction::runQuietly(const char *sql) noexcept
{
    try {
        m_database.runControl(sql);
    } catch (...) { // rolling back after a failure: the first error is the one reported
    }
}

} // namespace orvan::db
