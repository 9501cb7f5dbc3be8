#include "base/Error.h"

#include <utility>

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

Error Error::accountUnavailable(AccountFailure why, long number, const std::string &description,
                                std::string source)
{
    Error error(number, description, std::move(source));
    error.m_accountFailure = why;
    return error;
}

namespace {

std::optional<Error> &swallowedAccountError()
{
    thread_local std::optional<Error> error;
    return error;
}

} // namespace

bool tryStep(const std::function<void()> &step)
{
    try {
        step();
        return true;
    } catch (const Error &error) {
        if (error.isAccountUnavailable())
            swallowedAccountError() = error;
        return false;
    }
}

std::optional<Error> takeSwallowedAccountError()
{
    return std::exchange(swallowedAccountError(), std::nullopt);
}

} // namespace orvan::base
