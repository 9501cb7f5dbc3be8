#include "suite/AppConnection.h"

#include "suite/ChangeHistory.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <map>
#include <mutex>
#include <thread>
#include <tuple>

#include "base/DataFiles.h"
#include "base/Error.h"
#include "base/Text.h"
#include "component/ConnectionString.h"
#include "component/LoginContext.h"
#include "component/Translation.h"
#include "db/PostgresDatabase.h"
#include "db/ProcedureCatalog.h"
#include "db/ServerSchema.h"
#include "db/SqlText.h"
#include "db/SqliteDatabase.h"
#include "db/Transaction.h"

namespace orvan::suite {
namespace {

constexpr long ConnectionError = base::ErrorNumber::DataUnspecified;

// A window open makes a connection for each component that reads the account: the
// login's connection string is parsed again only when the login changed.
std::string loginConnectString()
{
    thread_local std::string lastProps;
    thread_local std::string lastConnectString;
    auto props = component::LoginPropsString();
    if (props != lastProps) {
        lastConnectString = component::parseLoginPropsText(props).value("ConnectString").text();
        lastProps = std::move(props);
    }
    return lastConnectString;
}

const component::ConnectionString &parsedConnectionString(const std::string &text)
{
    thread_local std::string lastText;
    thread_local component::ConnectionString lastParsed;
    if (text != lastText || lastText.empty()) {
        lastParsed = component::parseConnectionString(text);
        lastText = text;
    }
    return lastParsed;
}

// Tables whose numbers GetICMaxNum hands out, with their key column.
const char *keyColumnOf(const std::string &tableName)
{
    if (base::equalsNoCase(tableName, "ICBillType"))
        return "FID";
    if (base::equalsNoCase(tableName, "t_VoucherGroup"))
        return "FGroupID";
    return nullptr;
}

bool isPlainName(const std::string &name)
{
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
               c == '_';
    });
}

int64_t numberOf(const db::RecordsetPtr &rows)
{
    if (!rows || rows->isEOF())
        return 0;
    const auto value = rows->Fields(0).Value();
    return value.isNull() ? 0 : static_cast<int64_t>(value.toDouble());
}

std::shared_ptr<db::Database> openAccount(const std::string &path)
{
    auto account = std::make_shared<db::SqliteDatabase>(path);
    db::ProcedureCatalog::instance().installInto(*account);
    recordChangesOf(*account);
    return account;
}

// A server account is shared as an account file is, told by its connection string.
std::shared_ptr<db::Database> sharedServerAccount(const std::string &connection)
{
    using Key = std::pair<std::string, std::thread::id>;
    static std::mutex guard;
    static std::map<Key, std::weak_ptr<db::Database>> open;
    const std::lock_guard lock(guard);
    std::erase_if(open, [](const auto &entry) { return entry.second.expired(); });
    auto &slot = open[{connection, std::this_thread::get_id()}];
    if (auto account = slot.lock())
        return account;
    auto server = std::make_shared<db::PostgresDatabase>(connection);
    db::ProcedureCatalog::instance().installInto(*server);
    recordChangesOf(*server);
    std::shared_ptr<db::Database> account = server;
    slot = account;
    return account;
}

// Every connection of a thread to one account file shares one engine connection:
// opening one (the schema read, the procedures registered) costs more than most
// statements, and a component then works inside the change the process has begun. The
// file is told by its device and inode, so a file replaced at the same path is opened
// anew; a connection closes when its last user lets it go. An engine connection serves
// one thread, so another thread (a second workstation in a test) gets its own.
std::shared_ptr<db::Database> sharedAccount(const std::string &path)
{
    struct stat info
    {};
    if (::stat(path.c_str(), &info) != 0)
        return openAccount(path); // raises the reason
    using Key = std::tuple<dev_t, ino_t, std::thread::id>;
    static std::mutex guard;
    static std::map<Key, std::weak_ptr<db::Database>> open;
    const std::lock_guard lock(guard);
    std::erase_if(open, [](const auto &entry) { return entry.second.expired(); });
    auto &slot = open[{info.st_dev, info.st_ino, std::this_thread::get_id()}];
    if (auto account = slot.lock())
        return account;
    auto account = openAccount(path);
    slot = account;
    return account;
}

// Why a server account could not be opened, from the client library's words.
const char *serverFailureReason(const std::string &error)
{
    if (error.find("holds no account") != std::string::npos)
        return "该数据库中没有账套，请先用 init-demo 写入账套";
    if (error.find("older program") != std::string::npos)
        return "该数据库中的账套版本较旧，缺少程序需要的表或列";
    if (error.find("database") != std::string::npos &&
        error.find("does not exist") != std::string::npos)
        return "服务器上没有该数据库";
    if (error.find("password") != std::string::npos ||
        error.find("authentication") != std::string::npos ||
        (error.find("role") != std::string::npos &&
         error.find("does not exist") != std::string::npos))
        return "服务器拒绝了该用户名或密码";
    if (error.find("libpq5") != std::string::npos)
        return "缺少 PostgreSQL 客户端库（libpq5）";
    return "无法连接账套服务器，请检查服务器是否运行，以及主机和端口是否正确";
}

// The tables and columns of the account's schema, by lower-case name.
const db::SchemaNames &accountSchemaNames()
{
    static const db::SchemaNames names =
        db::translateSchema(base::readDataFile("schema.sql"), "").names;
    return names;
}

// A server database without the account's tables, or with an account that lacks some of
// them (one written by an older program), cannot serve the program.
void requireAccountTables(db::Database &account)
{
    const auto *server = dynamic_cast<db::PostgresDatabase *>(&account);
    if (!server)
        return;
    if (!server->schemaNames().count("t_systemprofile"))
        throw base::Error(
            ConnectionError,
            "The database " + account.path() +
                " holds no account: write one with orvan-sysmaintain init-demo --db " +
                account.path(),
            "OrvanConnection");
    std::vector<std::string> missing;
    for (const auto &[lower, name] : accountSchemaNames()) {
        if (!server->schemaNames().count(lower))
            missing.push_back(name);
    }
    if (missing.empty())
        return;
    std::sort(missing.begin(), missing.end());
    std::string lacks;
    for (size_t i = 0; i < missing.size() && i < 5; ++i)
        lacks += (i ? ", " : "") + missing[i];
    throw base::Error(ConnectionError,
                      "The database " + account.path() +
                          " holds an account of an older program: it lacks " + lacks +
                          "; write it anew with orvan-sysmaintain init-demo --force --db " +
                          account.path() + " (this replaces what it holds)",
                      "OrvanConnection");
}

// A read transaction, ended when the scope goes (reads leave nothing to commit).
class AccountReadingScope : public component::ReadingScope
{
public:
    explicit AccountReadingScope(db::Database &account)
        : m_transaction(account, db::Transaction::Kind::Read)
    {}

private:
    db::Transaction m_transaction;
};

class AccountChangeScope : public component::ChangeScope
{
public:
    explicit AccountChangeScope(db::Database &account)
        : m_transaction(account, db::Transaction::Kind::Write)
    {}
    void commit() override { m_transaction.commit(); }

private:
    db::Transaction m_transaction;
};

} // namespace

AppConnection::AppConnection()
{
    try {
        open(loginConnectString());
    } catch (const base::Error &error) {
        noteOpenFailure(error);
    }
}

AppConnection::AppConnection(const std::string &connectString)
{
    try {
        open(connectString);
    } catch (const base::Error &error) {
        noteOpenFailure(error);
    }
}

AppConnection::~AppConnection() = default;

void AppConnection::Open(const std::string &connectString)
{
    m_database.reset();
    m_openError.clear();
    try {
        open(connectString);
    } catch (const base::Error &error) {
        noteOpenFailure(error);
        throw;
    }
}

// Why the account cannot be opened, in the login's language; the engine's own words go
// to standard error for whoever diagnoses it.
std::string AppConnection::openFailureText() const
{
    if (m_path.empty())
        return m_openError; // the connection string itself is at fault
    if (m_server)
        return component::FormatText("无法打开账套数据库%1：%2。", m_path,
                                     component::TranslateText(serverFailureReason(m_openError)));
    std::error_code error;
    const char *reason = "无法读取该文件";
    if (!std::filesystem::exists(m_path, error))
        reason = "文件不存在";
    else if (m_openError.find("not a database") != std::string::npos ||
             m_openError.find("is empty") != std::string::npos)
        reason = "该文件不是账套数据库";
    else if (m_openFailure == base::AccountFailure::Busy)
        reason = "账套正被其他程序使用";
    else if (m_openFailure == base::AccountFailure::ReadOnly)
        reason = "账套只能读取，不能写入";
    else if (m_openFailure == base::AccountFailure::NotWritten)
        reason = "账套文件无法写入（磁盘错误）";
    return component::FormatText("无法打开账套数据库%1：%2。", m_path,
                                 component::TranslateText(reason));
}

void AppConnection::noteOpenFailure(const base::Error &error)
{
    m_openError = error.description();
    m_openFailure = error.accountFailure();
    if (!m_path.empty())
        std::cerr << "orvan-sysmaintain: " << m_openError << "\n";
}

std::string AppConnection::dataSourceOf(const std::string &connectString)
{
    return dataSourceIn(component::parseConnectionString(connectString));
}

std::string AppConnection::dataSourceIn(const component::ConnectionString &connection)
{
    if (!connection.embedded())
        throw base::Error(ConnectionError,
                          "The account's provider \"" + connection.provider +
                              "\" is not available; use Provider=SQLite;Data Source=PATH "
                              "or Provider=PostgreSQL;Host=...;Database=...",
                          "OrvanConnection");
    if (connection.dataSource.empty())
        throw base::Error(ConnectionError,
                          "The connection string names no account (Data Source=PATH)",
                          "OrvanConnection");
    return connection.dataSource;
}

void AppConnection::open(const std::string &connectString)
{
    const auto connection = parsedConnectionString(connectString);
    m_server = connection.server();
    if (m_server) {
        if (connection.database.empty())
            throw base::Error(ConnectionError,
                              "The connection string names no account database (Database=NAME)",
                              "OrvanConnection");
        const std::string serverConnection = connection.serverConnection();
        m_path = db::PostgresDatabase::describe(serverConnection);
        auto account = sharedServerAccount(serverConnection);
        requireAccountTables(*account);
        m_database = std::move(account);
        return;
    }
    m_path = dataSourceIn(connection);
    m_database = sharedAccount(m_path);
}

db::Database &AppConnection::database()
{
    if (!m_database) {
        const std::string text = openFailureText();
        if (m_openFailure != base::AccountFailure::None)
            throw base::Error::accountUnavailable(m_openFailure, ConnectionError, text,
                                                  "OrvanConnection");
        throw base::Error(ConnectionError, text, "OrvanConnection");
    }
    db::ProcedureCatalog::instance().installInto(*m_database); // as the catalog is now
    return *m_database;
}

std::shared_ptr<db::Recordset> AppConnection::Execute(const std::string &sql)
{
    return database().execute(sql);
}

int32_t AppConnection::GetICMaxNum(const std::string &tableName)
{
    if (!isPlainName(tableName))
        throw base::Error(base::ErrorNumber::InvalidProcedureCall,
                          "Invalid table name: " + tableName, "OrvanConnection");
    auto &account = database();
    db::Transaction transaction(account, db::Transaction::Kind::Write);
    int64_t next = numberOf(account.execute("SELECT FMaxNum FROM ICMaxNum WHERE FTableName=" +
                                            db::sqlQuote(tableName)));
    if (const char *key = keyColumnOf(tableName))
        next = std::max(next, numberOf(account.execute("SELECT MAX(" + std::string(key) +
                                                       ") FROM " + tableName)));
    ++next;
    account.execute("IF EXISTS(SELECT 1 FROM ICMaxNum WHERE FTableName=" + db::sqlQuote(tableName) +
                    ") UPDATE ICMaxNum SET FMaxNum=" + db::sqlNumber(next) +
                    " WHERE FTableName=" + db::sqlQuote(tableName) +
                    " ELSE INSERT INTO ICMaxNum(FTableName,FMaxNum) VALUES(" +
                    db::sqlQuote(tableName) + "," + db::sqlNumber(next) + ")");
    transaction.commit();
    if (next > INT32_MAX)
        throw base::Error::overflow();
    return static_cast<int32_t>(next);
}

void AppConnection::callProcedure(const std::string &name,
                                  std::vector<db::ProcedureParameter> &parameters)
{
    database().callProcedure(name, parameters);
}

void AppConnection::BeginTrans()
{
    if (m_transaction)
        throw base::Error(base::ErrorNumber::InvalidProcedureCall,
                          "A transaction is already open on the account connection");
    m_transaction = std::make_unique<db::Transaction>(database());
}

void AppConnection::CommitTrans()
{
    if (!m_transaction)
        throw base::Error(base::ErrorNumber::InvalidProcedureCall,
                          "No transaction is open on the account connection");
    auto transaction = std::move(m_transaction);
    transaction->commit();
}

std::string AppConnection::changeStamp()
{
    const auto [otherCommits, ownChanges] = database().changeStamp();
    return m_path + "|" + std::to_string(otherCommits) + "|" + std::to_string(ownChanges);
}

std::unique_ptr<component::ReadingScope> AppConnection::beginReading()
{
    return std::make_unique<AccountReadingScope>(database());
}

std::unique_ptr<component::ChangeScope> AppConnection::beginChange()
{
    return std::make_unique<AccountChangeScope>(database());
}

void AppConnection::RollbackTrans()
{
    m_transaction.reset();
}

int64_t AppConnection::rowsChanged()
{
    return database().rowsChanged();
}

void AppConnection::recordSummary(const std::string &table, const std::string &record,
                                  const std::string &text)
{
    if (historyKept(database()))
        suite::recordSummary(database(), table, record, "", "", text);
}

} // namespace orvan::suite
