#include "app/LoginSource.h"

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "base/Text.h"
#include "component/ConnectionString.h"
#include "component/LoginContext.h"

namespace orvan::app {
namespace {

std::string environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string userDirectory(const char *xdgVariable, const char *fallbackUnderHome)
{
    auto dir = environment(xdgVariable);
    if (dir.empty())
        dir = environment("HOME") + "/" + fallbackUnderHome;
    return dir + "/orvan-sysmaintain";
}

// A login file holding a password must be readable by its owner only: say so (once per
// run) when others may read it.
void warnWhenOthersMayReadPassword(const std::string &path, const std::string &login)
{
    struct stat info
    {};
    const auto connection = component::parseConnectionString(
        component::parseLoginPropsText(login).value("ConnectString").text());
    if (connection.password.empty() || ::stat(path.c_str(), &info) != 0 ||
        (info.st_mode & (S_IRWXG | S_IRWXO)) == 0)
        return;
    std::cerr << "orvan-sysmaintain: " << path
              << " holds a password and other users may read it; make it yours alone: "
                 "chmod 600 "
              << path << "\n";
}

std::optional<std::string> readLoginFile()
{
    std::ifstream file(loginFilePath());
    if (!file)
        return std::nullopt;
    std::stringstream text;
    text << file.rdbuf();
    auto login = base::trim(text.str());
    while (!login.empty() && (login.back() == '\n' || login.back() == '\r'))
        login.pop_back();
    if (login.empty())
        return std::nullopt;
    warnWhenOthersMayReadPassword(loginFilePath(), login);
    return login;
}

} // namespace

std::string sqliteConnectString(const std::string &path)
{
    return "Provider=SQLite;Data Source=" + component::quoteLoginValue(path);
}

std::string accountConnectString(const std::string &account)
{
    if (component::isServerAddress(account))
        return component::serverConnectString(account);
    return sqliteConnectString(account);
}

std::string defaultDemoAccountPath()
{
    return userDirectory("XDG_DATA_HOME", ".local/share") + "/demo-account.db";
}

std::string loginFilePath()
{
    return userDirectory("XDG_CONFIG_HOME", ".config") + "/login";
}

std::string defaultLogin()
{
    return "ConnectString={" + sqliteConnectString(defaultDemoAccountPath()) +
           "};UserID=16394;UserName=administrator;SubID=;LANGUAGE=chs;OrvanVersion=ZEE;";
}

std::string resolveLogin(const LoginOptions &options)
{
    std::string login;
    if (options.login)
        login = *options.login;
    else if (auto fromEnvironment = environment("ORVAN_LOGIN"); !fromEnvironment.empty())
        login = fromEnvironment;
    else if (auto fromFile = readLoginFile())
        login = *fromFile;
    else
        login = defaultLogin();

    if (options.database)
        login = component::withLoginProp(login, "ConnectString",
                                         accountConnectString(*options.database));
    if (options.language)
        login = component::withLoginProp(login, "LANGUAGE", *options.language);
    return login;
}

} // namespace orvan::app
