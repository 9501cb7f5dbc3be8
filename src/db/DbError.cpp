#include "db/DbError.h"

#include <sqlite3.h>

namespace orvan::db {

base::Error engineError(int resultCode, const std::string &message)
{
    switch (resultCode & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return base::Error::accountUnavailable(
            base::AccountFailure::Busy, SqlErrorNumber,
            "The account is being changed by another program; try again when it has "
            "finished (" +
                message + ")",
            ErrorSource);
    case SQLITE_IOERR:
    case SQLITE_FULL:
        return base::Error::accountUnavailable(
            base::AccountFailure::NotWritten, SqlErrorNumber,
            "The account could not be written: the change was not saved (" + message + ")",
            ErrorSource);
    case SQLITE_READONLY:
        return base::Error::accountUnavailable(
            base::AccountFailure::ReadOnly, SqlErrorNumber,
            "The account can only be read: the change was not saved (" + message + ")",
            ErrorSource);
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
