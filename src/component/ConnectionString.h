#pragma once

#include <string>
#include <string_view>

namespace orvan::component {

// The entries of a connection string the account connection reads. The embedded
// engine's form is "Provider=SQLite;Data Source=PATH"; entries are read as those of the
// login's property string are (names ignore case, blanks around a value are dropped, a
// braced value may hold ";").
struct ConnectionString
{
    std::string provider;   // "" when the string names none
    std::string dataSource; // the account file; "" when the string names none

    // Whether the string is for the embedded engine: provider SQLite or none.
    bool embedded() const;
};

ConnectionString parseConnectionString(std::string_view text);

} // namespace orvan::component
