#include "db/Database.h"

#include "db/DbError.h"
#include "db/PreparedBatch.h"
#include "db/Token.h"
#include "db/Transaction.h"

#include <utility>

namespace orvan::db {

namespace {

Database::BatchObserver &batchObserver()
{
    static Database::BatchObserver observer;
    return observer;
}

} // namespace

bool Database::NameLess::operator()(const std::string &a, const std::string &b) const
{
    return toUpper(a) < toUpper(b);
}

Database::Database(std::string path)
    : m_path(std::move(path))
{}

Database::~Database() = default;

void Database::observeBatches(BatchObserver observer)
{
    batchObserver() = std::move(observer);
}

void Database::refuseWriteWhenReadOnly() const
{
    if (m_readOnly)
        throw readOnlyError(m_path);
}

void Database::noteFailure(const base::Error &error)
{
    if (m_outerTransactionOpen && error.isAccountUnavailable() && !m_outerFailure)
        m_outerFailure = error;
}

// One query reads a consistent snapshot by itself. A transaction the engine ended after an
// error must still refuse it (the Transaction does), and where a failed statement spoils
// the open transaction, the read runs in a savepoint of its own.
bool Database::loneReadNeedsNoTransaction()
{
    if (!inTransaction())
        return !m_outerTransactionOpen;
    return !failedStatementSpoilsTransaction();
}

RecordsetPtr Database::execute(std::string_view batch)
{
    if (const auto &observer = batchObserver())
        observer(batch);
    return notingFailures([&] {
        if (!m_outerTransactionOpen)
            readyForWork();
        const std::shared_ptr<PreparedBatch> prepared = preparedBatch(batch);
        if (prepared->writes())
            refuseWriteWhenReadOnly();
        if (prepared->isLoneRead() && loneReadNeedsNoTransaction())
            return prepared->run(*this);
        Transaction transaction(*this, prepared->writes() ? Transaction::Kind::Write
                                                          : Transaction::Kind::Read);
        RecordsetPtr result = prepared->run(*this);
        transaction.commit();
        return result;
    });
}

std::shared_ptr<PreparedBatch> Database::preparedBatch(std::string_view batch)
{
    const std::shared_ptr<PreparedBatch> cached = m_cache.find(batch);
    if (cached && !cached->running())
        return cached;
    auto prepared = std::make_shared<PreparedBatch>(*this, compile(batch));
    if (cached)
        return prepared; // the cached one is running (a procedure runs its own batch)
    m_cache.insert(batch, prepared);
    return prepared;
}

void Database::registerProcedure(std::string name, std::vector<ProcedureParameter> parameters,
                                 Procedure body)
{
    RegisteredProcedure procedure{name, std::move(parameters), std::move(body)};
    m_procedures.insert_or_assign(std::move(name), std::move(procedure));
    m_cache.clear(); // batches that failed for a missing procedure may now compile
}

void Database::adoptCatalogProcedures(uint64_t version,
                                      const std::vector<RegisteredProcedure> &procedures)
{
    if (version == m_catalogVersion)
        return;
    for (const auto &name : m_catalogNames)
        m_procedures.erase(name);
    m_catalogNames.clear();
    for (const auto &procedure : procedures) {
        m_procedures.insert_or_assign(procedure.name, procedure);
        m_catalogNames.push_back(procedure.name);
    }
    m_catalogVersion = version;
    m_cache.clear(); // batches that failed for a missing procedure may now compile
}

bool Database::hasProcedure(std::string_view name) const
{
    return m_procedures.count(std::string(name)) > 0;
}

const RegisteredProcedure &Database::procedure(std::string_view name) const
{
    const auto found = m_procedures.find(std::string(name));
    if (found == m_procedures.end())
        throw sqlError("Could not find stored procedure '" + std::string(name) + "'.");
    return found->second;
}

void Database::invoke(const RegisteredProcedure &procedure, std::vector<ProcedureParameter> &bound)
{
    ProcedureCall call(*this, bound);
    procedure.body(call);
}

void Database::callProcedure(std::string_view name, std::vector<ProcedureParameter> &arguments)
{
    const RegisteredProcedure &registered = procedure(name);
    std::vector<ProcedureParameter> bound = registered.bind(arguments);
    notingFailures([&] {
        refuseWriteWhenReadOnly();
        if (!m_outerTransactionOpen)
            readyForWork();
        Transaction transaction(*this);
        invoke(registered, bound);
        transaction.commit();
    });
    for (ProcedureParameter &argument : arguments) {
        if (argument.direction == ParameterDirection::Input)
            continue;
        for (const ProcedureParameter &result : bound) {
            if (sameParameterName(result.name, argument.name))
                argument.value = result.value;
        }
    }
}

void Database::runProcedure(std::string_view name, const std::vector<CallArgument> &arguments)
{
    const RegisteredProcedure &registered = procedure(name);
    std::vector<ProcedureParameter> bound = registered.bind(arguments);
    invoke(registered, bound);
}

} // namespace orvan::db
