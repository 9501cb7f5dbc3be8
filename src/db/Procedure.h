#pragma once

#include "base/Variant.h"
#include "db/BatchPlan.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orvan::db {

class Database;

enum class ParameterDirection { Input = 1, Output = 2, InputOutput = 3 };

// A parameter of a stored procedure: declared with its name ("@ByType"), direction and,
// for an input, its default (Empty: the caller must supply it); passed with its value.
struct ProcedureParameter
{
    std::string name;
    ParameterDirection direction = ParameterDirection::Input;
    base::Variant value;
};

// What a procedure sees while it runs: the connection (inside the caller's transaction)
// and its parameters by name ("@" optional, case ignored). Outputs start as Null.
class ProcedureCall
{
public:
    ProcedureCall(Database &database, std::vector<ProcedureParameter> &parameters);

    Database &database() { return m_database; }
    // Raises orvan::base::Error for a name the procedure does not declare.
    const base::Variant &value(std::string_view name) const;
    void setValue(std::string_view name, base::Variant value);

private:
    ProcedureParameter &find(std::string_view name) const;

    Database &m_database;
    std::vector<ProcedureParameter> &m_parameters;
};

using Procedure = std::function<void(ProcedureCall &)>;

// A procedure as registered with a connection.
struct RegisteredProcedure
{
    std::string name;
    std::vector<ProcedureParameter> parameters;
    Procedure body;

    // The declared parameters with the values of an "exec" of batch text (positional in
    // declaration order, or "@name = value"), or of a command's named parameters.
    // Raises an error for too many or unknown arguments, or a missing required input.
    std::vector<ProcedureParameter> bind(const std::vector<CallArgument> &arguments) const;
    std::vector<ProcedureParameter> bind(const std::vector<ProcedureParameter> &arguments) const;
};

bool sameParameterName(std::string_view a, std::string_view b);

} // namespace orvan::db
