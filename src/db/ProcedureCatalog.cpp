#include "db/ProcedureCatalog.h"

#include <algorithm>

#include "base/Text.h"
#include "db/Database.h"

namespace orvan::db {

ProcedureCatalog &ProcedureCatalog::instance()
{
    static ProcedureCatalog catalog;
    return catalog;
}

void ProcedureCatalog::add(std::string name, std::vector<ProcedureParameter> parameters,
                           Procedure body)
{
    std::erase_if(m_procedures, [&name](const RegisteredProcedure &procedure) {
        return base::equalsNoCase(procedure.name, name);
    });
    m_procedures.push_back({std::move(name), std::move(parameters), std::move(body)});
    ++m_version;
}

void ProcedureCatalog::clear()
{
    m_procedures.clear();
    ++m_version;
}

void ProcedureCatalog::installInto(Database &database) const
{
    database.adoptCatalogProcedures(m_version, m_procedures);
}

bool ProcedureCatalog::contains(std::string_view name) const
{
    return std::any_of(m_procedures.begin(), m_procedures.end(),
                       [name](const RegisteredProcedure &procedure) {
                           return base::equalsNoCase(procedure.name, name);
                       });
}

} // namespace orvan::db
