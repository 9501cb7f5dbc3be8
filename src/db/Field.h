#pragma once

#include "base/Variant.h"

#include <string>

namespace orvan::db {

// One field of the current record: name, type code and value.
class Field
{
public:
    Field(std::string name, int type, base::Variant value)
        : m_name(std::move(name))
        , m_type(type)
        , m_value(std::move(value))
    {}

    const std::string &Name() const { return m_name; }
    int Type() const { return m_type; }
    const base::Variant &Value() const & { return m_value; }
    // The value of a field read and dropped at once (rows->Fields(...).Value()).
    base::Variant Value() && { return std::move(m_value); }

private:
    std::string m_name;
    int m_type;
    base::Variant m_value;
};

} // namespace orvan::db
