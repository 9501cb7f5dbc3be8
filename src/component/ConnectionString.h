#pragma once

#include <string>
#include <string_view>

namespace orvan::component {

// The entries of a connection string the account connection reads. The embedded
// engine's form is "Provider=SQLite;Data Source=PATH"; a server account's is
// "Provider=PostgreSQL;Host=...;Port=...;Database=...;User ID=...;Password=...".
// Entries are read as those of the login's property string are (names ignore case,
// blanks around a value are dropped, a braced value may hold ";").
struct ConnectionString
{
    std::string provider;   // "" when the string names none
    std::string dataSource; // the account file; "" when the string names none
    // A server account: "" for an entry the string does not name.
    std::string host;
    std::string port;
    std::string database;
    std::string user;
    std::string password;

    // Whether the string is for the embedded engine: provider SQLite or none.
    bool embedded() const;
    // Whether the string is for a PostgreSQL server.
    bool server() const;
    // The server account as the PostgreSQL client library takes it ("host='...' ...");
    // the entries it does not name are left to the library's defaults.
    std::string serverConnection() const;
};

ConnectionString parseConnectionString(std::string_view text);

// The account a connection string names, as the user is shown it: the account file, a
// server account as postgresql://user@host:port/account; never a password.
std::string accountShownAs(std::string_view connectString);

// The connection string of a postgresql:// address (postgresql://user@host:port/account);
// the password, when the address holds one, is kept out of it: the client library reads
// it from ~/.pgpass or PGPASSWORD. Raises nothing: an address it cannot read is passed on
// whole as the host, for the library to refuse.
std::string serverConnectString(std::string_view address);
bool isServerAddress(std::string_view text);

} // namespace orvan::component
