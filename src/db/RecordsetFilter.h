#pragma once

#include "db/ColumnTypes.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvan::db {

// A recordset filter text: terms "Field op value" joined by AND and OR (AND binds
// tighter), parentheses allowed. op is =, <>, <, >, <=, >= or LIKE (with * or % as
// wildcard); value is 'text' (doubled quotes), a number or NULL ("= NULL", "<> NULL").
// Field names may be bracketed and are matched without regard to case. Text compares
// without regard to case and trailing blanks, like the database.
class RecordsetFilter
{
public:
    // Parses text against the field names; raises orvan::base::Error for a malformed
    // filter or an unknown field.
    RecordsetFilter(std::string_view text, const std::vector<std::string> &fieldNames);
    ~RecordsetFilter();
    RecordsetFilter(RecordsetFilter &&) noexcept;
    RecordsetFilter &operator=(RecordsetFilter &&) noexcept;

    bool matches(std::span<const Cell> row) const;

    struct Node;

private:
    std::unique_ptr<Node> m_root;
};

} // namespace orvan::db
