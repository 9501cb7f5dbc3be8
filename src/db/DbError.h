#pragma once

#include "base/Error.h"

#include <string>

namespace orvan::db {

// Error number of a failed command as the host language sees it (0x80040E14).
inline constexpr long SqlErrorNumber = -2147217900;
// Error numbers of recordset misuse, as the host language's data objects report them.
inline constexpr long NoCurrentRecordNumber = 3021;
inline constexpr long ItemNotFoundNumber = 3265;
inline constexpr long ObjectClosedNumber = 3704;

inline constexpr const char *ErrorSource = "OrvanConnection";

// An error of the database or of a batch the engine cannot run; the message is the
// database's own text or names the construct that was refused.
inline base::Error sqlError(const std::string &message)
{
    return base::Error(SqlErrorNumber, message, ErrorSource);
}

// The error of a failed engine call with its result code and message. An account held
// by another program, one that can only be read and a disk that failed or is full give
// an error that says so and is marked as the account being unavailable.
base::Error engineError(int resultCode, const std::string &message);

// The account could not take a change, for why: another program is changing it (Busy),
// it could not be written (NotWritten), it can only be read (ReadOnly). message is the
// engine's own.
base::Error unavailableError(base::AccountFailure why, const std::string &message);

// The error of a change refused because the account can only be read.
base::Error readOnlyError(const std::string &path);

} // namespace orvan::db
