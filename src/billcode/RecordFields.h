#pragma once

#include <cstdint>
#include <string>

#include "db/Recordset.h"

namespace orvan::billcode {

// A field of the current record as text ("" for null).
inline std::string textField(const db::Recordset &rows, const char *name)
{
    return rows.Fields(name).Value().text();
}

// A field of the current record as a whole number (0 for null or empty).
inline int32_t numberField(const db::Recordset &rows, const char *name)
{
    const auto value = rows.Fields(name).Value();
    return value.isNull() || value.isEmpty() ? 0 : value.toLong();
}

} // namespace orvan::billcode
