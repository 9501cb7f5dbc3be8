#include "db/Procedure.h"

#include "db/DbError.h"
#include "db/Token.h"

namespace orvan::db {

namespace {

std::string_view withoutAt(std::string_view name)
{
    return !name.empty() && name.front() == '@' ? name.substr(1) : name;
}

void checkRequired(const std::string &procedure, std::vector<ProcedureParameter> &bound,
                   const std::vector<bool> &supplied)
{
    for (size_t i = 0; i < bound.size(); ++i) {
        ProcedureParameter &parameter = bound[i];
        if (parameter.direction == ParameterDirection::Output) {
            parameter.value = base::Variant::null();
        } else if (!supplied[i] && parameter.value.isEmpty()) {
            throw sqlError("Procedure or function '" + procedure + "' expects parameter '" +
                           parameter.name + "', which was not supplied.");
        }
    }
}

size_t indexOf(const RegisteredProcedure &procedure, std::string_view name)
{
    for (size_t i = 0; i < procedure.parameters.size(); ++i) {
        if (sameParameterName(procedure.parameters[i].name, name))
            return i;
    }
    throw sqlError("'" + std::string(name) + "' is not a parameter for procedure '" +
                   procedure.name + "'.");
}

} // namespace

bool sameParameterName(std::string_view a, std::string_view b)
{
    return equalsIgnoreCase(withoutAt(a), withoutAt(b));
}

ProcedureCall::ProcedureCall(Database &database, std::vector<ProcedureParameter> &parameters)
    : m_database(database)
    , m_parameters(parameters)
{}

ProcedureParameter &ProcedureCall::find(std::string_view name) const
{
    for (ProcedureParameter &parameter : m_parameters) {
        if (sameParameterName(parameter.name, name))
            return parameter;
    }
    throw sqlError("The procedure has no parameter '" + std::string(name) + "'");
}

const base::Variant &ProcedureCall::value(std::string_view name) const
{
    return find(name).value;
}

void ProcedureCall::setValue(std::string_view name, base::Variant value)
{
    find(name).value = std::move(value);
}

std::vector<ProcedureParameter>
RegisteredProcedure::bind(const std::vector<CallArgument> &arguments) const
{
    std::vector<ProcedureParameter> bound = parameters;
    std::vector<bool> supplied(bound.size(), false);
    size_t position = 0;
    for (const CallArgument &argument : arguments) {
        size_t index = position++;
        if (!argument.name.empty())
            index = indexOf(*this, argument.name);
        else if (index >= bound.size())
            throw sqlError("Procedure or function " + name + " has too many arguments specified.");
        if (bound[index].direction == ParameterDirection::Output)
            throw sqlError("The output parameter '" + bound[index].name + "' of '" + name +
                           "' needs a variable, which batches cannot declare");
        bound[index].value = argument.value;
        supplied[index] = true;
    }
    checkRequired(name, bound, supplied);
    return bound;
}

std::vector<ProcedureParameter>
RegisteredProcedure::bind(const std::vector<ProcedureParameter> &arguments) const
{
    std::vector<ProcedureParameter> bound = parameters;
    std::vector<bool> supplied(bound.size(), false);
    for (const ProcedureParameter &argument : arguments) {
        const size_t index = indexOf(*this, argument.name);
        if (argument.direction != ParameterDirection::Output) {
            bound[index].value = argument.value;
            supplied[index] = true;
        }
    }
    checkRequired(name, bound, supplied);
    return bound;
}

} // namespace orvan::db
