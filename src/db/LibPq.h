#pragma once

#include <libpq-fe.h>

namespace orvan::db {

// The PostgreSQL client library, loaded when the first server account is opened: a
// program that only opens account files never loads it (nor the many libraries it needs).
struct LibPq
{
#define ORVAN_LIBPQ_FUNCTIONS(X)                                                                   \
    X(PQconnectdb)                                                                                 \
    X(PQstatus)                                                                                    \
    X(PQerrorMessage)                                                                              \
    X(PQfinish)                                                                                    \
    X(PQreset)                                                                                     \
    X(PQexec)                                                                                      \
    X(PQexecParams)                                                                                \
    X(PQprepare)                                                                                   \
    X(PQexecPrepared)                                                                              \
    X(PQdescribePrepared)                                                                          \
    X(PQresultStatus)                                                                              \
    X(PQresultErrorField)                                                                          \
    X(PQclear)                                                                                     \
    X(PQntuples)                                                                                   \
    X(PQnfields)                                                                                   \
    X(PQfname)                                                                                     \
    X(PQftype)                                                                                     \
    X(PQftable)                                                                                    \
    X(PQftablecol)                                                                                 \
    X(PQgetvalue)                                                                                  \
    X(PQgetisnull)                                                                                 \
    X(PQgetlength)                                                                                 \
    X(PQcmdTuples)                                                                                 \
    X(PQtransactionStatus)                                                                         \
    X(PQsetNoticeProcessor)                                                                        \
    X(PQconninfoParse)                                                                             \
    X(PQconninfoFree)                                                                              \
    X(PQfreemem)                                                                                   \
    X(PQconsumeInput)                                                                              \
    X(PQnotifies)

#define ORVAN_LIBPQ_MEMBER(name) decltype(&::name) name = nullptr;
    ORVAN_LIBPQ_FUNCTIONS(ORVAN_LIBPQ_MEMBER)
#undef ORVAN_LIBPQ_MEMBER
};

// The loaded library; raises orvan::base::Error saying which package to install when it
// cannot be loaded.
const LibPq &libpq();

} // namespace orvan::db
