#pragma once

#include <string>

#include "base/Error.h"

namespace orvan::base {

// The error a procedure that continues on error has met and not yet cleared: the host
// language's Err object. Code that handles an error and still reports it later (a
// message built inside an error handler) records it here; helpers that must not disturb
// it (translation, formatting) save and restore it around their own work.
struct PendingError
{
    long number = 0;
    std::string description;
    long helpContext = 0;
    std::string helpFile;
    std::string source;

    bool isSet() const { return number != 0; }
    bool isClear() const
    {
        return number == 0 && description.empty() && helpContext == 0 && helpFile.empty() &&
               source.empty();
    }

    // The pending error of this thread (number 0 when none).
    static PendingError &current();
    static void raise(const Error &error);
    static void clear();
};

// Saves the pending error when constructed and puts it back when destroyed, whatever
// happened in between.
class PendingErrorGuard
{
public:
    PendingErrorGuard();
    ~PendingErrorGuard();
    PendingErrorGuard(const PendingErrorGuard &) = delete;
    PendingErrorGuard &operator=(const PendingErrorGuard &) = delete;

private:
    PendingError m_saved;
    bool m_wasClear; // nothing was pending: nothing to copy, only to clear again
};

} // namespace orvan::base
