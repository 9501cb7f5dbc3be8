#pragma once

#include "db/Recordset.h"

#include <memory>

namespace orvan::db {

// One statement prepared by an engine, ready to run again and again. Raises
// orvan::base::Error with the engine's message.
class PreparedStatement
{
public:
    virtual ~PreparedStatement() = default;

    // False when running it may change the account.
    virtual bool readOnly() const = 0;
    virtual bool returnsRows() const = 0;

    // Runs it to the end.
    virtual void run() = 0;
    // Runs it and reads every row into a recordset.
    virtual RecordsetPtr readAll() = 0;
    // The integer in the first column of the first row (0 when there is none).
    virtual long long readInteger() = 0;
};

using PreparedStatementPtr = std::unique_ptr<PreparedStatement>;

} // namespace orvan::db
