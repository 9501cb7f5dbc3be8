#include "db/DbError.h"

#include <sqlite3.h>

namespace orvan::db {

base::Error unavailableError(base::AccountFailure why, const std::string &message)
{
    const char *what = "The account could not be written: the change was not saved (";
    if (why == base::AccountFailure::Busy)
        what = "The account is being changed by another program; try again when it has "
               "finished (";
    else if (why == base::AccountFailure::ReadOnly)
        what = "The account can only be read: the change was not saved (";
    return base::Error::accountUnavailable(why, SqlErrorNumber, what + message + ")", ErrorSource);
}

base::Error engineError(int resultCode, const std::string &message)
{
    switch (resultCode & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return unavailableError(base::AccountFailure::Busy, message);
    case SQLITE_IOERR:
    case SQLITE_FULL:
        return unavailableError(base::AccountFailure::NotWritten, message);
    case SQLITE_READONLY:
        return unavailableError(base::AccountFailure::ReadOnly, message);
    default:
        return sqlError(message);
    }
}

base::Error readOnlyError(const std::string &path)
{
    return base::Error::accountUnavailable(base::AccountFailure::ReadOnly, SqlErrorNumber,
                                           path + " can only be read (the file or its folder is "
                                                  "not writable): the change was not saved",
                                           ErrorSource);
}

} // namespace orvan::db
