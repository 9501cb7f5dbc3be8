#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "db/Procedure.h"

namespace orvan::db {

class Database;

// The stored procedures of the account database. Subsystems add theirs at start-up;
// every connection the connection component opens gets all of them, and a connection
// opened before a change gets the catalog as it is now when it is next installed into.
class ProcedureCatalog
{
public:
    static ProcedureCatalog &instance();

    // Adds or replaces a procedure (names ignore case).
    void add(std::string name, std::vector<ProcedureParameter> parameters, Procedure body);
    void installInto(Database &database) const;
    bool contains(std::string_view name) const;
    void clear();

private:
    std::vector<RegisteredProcedure> m_procedures;
    uint64_t m_version = 1; // moves on with every change
};

} // namespace orvan::db
