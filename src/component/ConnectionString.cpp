#include "component/ConnectionString.h"

#include "base/Text.h"
#include "component/LoginContext.h"

#include <algorithm>
#include <cstdlib>

namespace orvan::component {

namespace {

// A value of the client library's connection string: quoted, with ' and \ escaped.
std::string libraryValue(const std::string &value)
{
    std::string text = "'";
    for (char c : value) {
        if (c == '\'' || c == '\\')
            text += '\\';
        text += c;
    }
    return text + "'";
}

void addEntry(std::string &text, const char *keyword, const std::string &value)
{
    if (value.empty())
        return;
    if (!text.empty())
        text += ' ';
    text += std::string(keyword) + "=" + libraryValue(value);
}

// %XX escapes of an address part.
std::string decoded(std::string_view text)
{
    std::string result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const std::string hex(text.substr(i + 1, 2));
            char *end = nullptr;
            const long value = std::strtol(hex.c_str(), &end, 16);
            if (end == hex.c_str() + 2) {
                result += static_cast<char>(value);
                i += 2;
                continue;
            }
        }
        result += text[i];
    }
    return result;
}

} // namespace

bool ConnectionString::embedded() const
{
    return provider.empty() || base::equalsNoCase(provider, "SQLite");
}

bool ConnectionString::server() const
{
    return base::equalsNoCase(provider, "PostgreSQL");
}

std::string ConnectionString::serverConnection() const
{
    std::string text;
    addEntry(text, "host", host);
    addEntry(text, "port", port);
    addEntry(text, "dbname", database);
    addEntry(text, "user", user);
    addEntry(text, "password", password);
    addEntry(text, "connect_timeout", "10");
    return text;
}

ConnectionString parseConnectionString(std::string_view text)
{
    const auto entries = parseLoginPropsText(text);
    ConnectionString connection;
    connection.provider = entries.value("Provider").text();
    connection.dataSource = entries.value("Data Source").text();
    connection.host = entries.value("Host").text();
    connection.port = entries.value("Port").text();
    connection.database = entries.value("Database").text();
    connection.user = entries.value("User ID").text();
    connection.password = entries.value("Password").text();
    return connection;
}

std::string accountShownAs(std::string_view connectString)
{
    const auto connection = parseConnectionString(connectString);
    if (connection.server()) {
        std::string host; // a socket folder's slashes written %2F, as --db takes it back
        for (char c : connection.host)
            host += c == '/' ? std::string("%2F") : std::string(1, c);
        return "postgresql://" + (connection.user.empty() ? "" : connection.user + "@") + host +
               (connection.port.empty() ? "" : ":" + connection.port) + "/" + connection.database;
    }
    if (!connection.dataSource.empty())
        return connection.dataSource;
    // Anything else: the string as it stands, less the entries that may hold a password.
    auto entries = parseLoginPropsText(connectString);
    bool withPassword = false;
    for (const auto &name : entries.keys()) {
        if (base::equalsNoCase(name, "Password") || base::equalsNoCase(name, "Pwd")) {
            entries.remove(name);
            withPassword = true;
        }
    }
    return withPassword ? composeLoginProps(entries) : std::string(connectString);
}

bool isServerAddress(std::string_view text)
{
    return text.starts_with("postgresql://") || text.starts_with("postgres://");
}

std::string serverConnectString(std::string_view address)
{
    std::string_view rest = address.substr(address.find("://") + 3);
    std::string user;
    if (const size_t at = rest.rfind('@'); at != std::string_view::npos) {
        user = decoded(rest.substr(0, std::min(at, rest.find(':'))));
        rest = rest.substr(at + 1);
    }
    const size_t slash = rest.find('/');
    const std::string_view hostPort = rest.substr(0, slash);
    std::string database =
        slash == std::string_view::npos ? std::string() : decoded(rest.substr(slash + 1));
    if (const size_t query = database.find('?'); query != std::string::npos)
        database.resize(query);
    std::string host(hostPort);
    std::string port;
    if (const size_t colon = hostPort.rfind(':');
        colon != std::string_view::npos && hostPort.find(']') == std::string_view::npos) {
        host = std::string(hostPort.substr(0, colon));
        port = std::string(hostPort.substr(colon + 1));
    }
    std::string text = "Provider=PostgreSQL";
    auto add = [&](const char *name, const std::string &value) {
        if (!value.empty())
            text += std::string(";") + name + "=" + quoteLoginValue(value);
    };
    add("Host", decoded(host));
    add("Port", port);
    add("Database", database);
    add("User ID", user);
    return text;
}

} // namespace orvan::component
