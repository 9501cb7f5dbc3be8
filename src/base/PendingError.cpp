#include "base/PendingError.h"

namespace orvan::base {

PendingError &PendingError::current()
{
    thread_local PendingError pending;
    return pending;
}

void PendingError::raise(const Error &error)
{
    current() = PendingError{error.number(), error.description(), 0, {}, error.source()};
}

void PendingError::clear()
{
    current() = PendingError{};
}

PendingErrorGuard::PendingErrorGuard()
    : m_saved(PendingError::current())
{}

PendingErrorGuard::~PendingErrorGuard()
{
    PendingError::current() = m_saved;
}

} // namespace orvan::base
