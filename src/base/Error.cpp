#include "base/Error.h"

namespace orvan::base {

Error::Error(long number, const std::string &description, std::string source)
    : std::runtime_error(description)
    , m_number(number)
    , m_description(description)
    , m_source(std::move(source))
{}

Error Error::typeMismatch()
{
    return Error(ErrorNumber::TypeMismatch, "Type mismatch");
}

Error Error::overflow()
{
    return Error(ErrorNumber::Overflow, "Overflow");
}

bool tryStep(const std::function<void()> &step)
{
    try {
        step();
        return true;
    } catch (const Error &) {
        return false;
    }
}

} // namespace orvan::base
