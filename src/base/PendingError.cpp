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

// Translation and formatting run under a guard many times a click, almost always with
// nothing pending: that case copies nothing.
PendingErrorGuard::PendingErrorGuard()
    : m_wasClear(PendingError::current().isClear())
{
    if (!m_wasClear)
        m_saved = PendingError::current();
}

PendingErrorGuard::~PendingErrorGuard()
{
    auto &current = PendingError::current();
    if (!m_wasClear)
        current = m_saved;
    else if (!current.isClear())
        current = PendingError{};
}

} // namespace orvan::base
