#pragma once

#include <optional>
#include <string>

namespace orvan::app {

// Where the program's login comes from, in order: --login, the ORVAN_LOGIN environment
// variable, the per-user login file, and last a default login to the demo account.
struct LoginOptions
{
    std::optional<std::string> login;    // --login TEXT
    std::optional<std::string> database; // --db PATH
    std::optional<std::string> language; // --lang chs|CHT|EN
};

// The connection string of an embedded account file.
std::string sqliteConnectString(const std::string &path);

// The connection string of --db's argument: a postgresql:// address names a server
// account, anything else an account file.
std::string accountConnectString(const std::string &account);

// The demo account file of this user ($XDG_DATA_HOME/orvan-sysmaintain/demo-account.db).
std::string defaultDemoAccountPath();

// The per-user login file ($XDG_CONFIG_HOME/orvan-sysmaintain/login).
std::string loginFilePath();

// The default login: the demo account's administrator.
std::string defaultLogin();

// The property string in force: the first source present, with --db replacing its
// "ConnectString" and --lang its "LANGUAGE" entry.
std::string resolveLogin(const LoginOptions &options);

} // namespace orvan::app
