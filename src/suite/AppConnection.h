#pragma once

#include <memory>
#include <string>

#include "base/Error.h"
#include "component/ConnectionString.h"
#include "component/OutsideComponents.h"
#include "db/Transaction.h"

namespace orvan::db {
class Database;
}

namespace orvan::suite {

// "OrvanConnection.AppConnection": the connection to the account database named by the
// login's "ConnectString". The embedded engine's form is
//     Provider=SQLite;Data Source=/path/to/account.db
// (the program's --db PATH writes exactly this); a server account's is
//     Provider=PostgreSQL;Host=...;Port=...;Database=...;User ID=...;Password=...
// (--db postgresql://user@host/account writes it without a password). The account is
// opened when the
// component is created; when it cannot be opened, every call raises that reason. The
// connections of a process to one account share the engine connection behind them, so a
// transaction begun on one holds what the others run until it ends.
class AppConnection : public component::ConnectionComponent
{
public:
    AppConnection();
    explicit AppConnection(const std::string &connectString);
    ~AppConnection() override;

    void Open(const std::string &connectString) override;
    std::shared_ptr<db::Recordset> Execute(const std::string &sql) override;
    int32_t GetICMaxNum(const std::string &tableName) override;
    void callProcedure(const std::string &name,
                       std::vector<db::ProcedureParameter> &parameters) override;
    // Raise base::Error when a transaction is already open (Begin) or none is (Commit).
    void BeginTrans() override;
    void CommitTrans() override;
    void RollbackTrans() override;
    std::string changeStamp() override;
    std::unique_ptr<component::ReadingScope> beginReading() override;
    std::unique_ptr<component::ChangeScope> beginChange() override;
    int64_t rowsChanged() override;
    void recordSummary(const std::string &table, const std::string &record,
                       const std::string &text) override;

    // The account file this connection was opened on, or the server account as
    // postgresql://user@host:port/account ("" before Open).
    const std::string &path() const { return m_path; }

    // The open account; raises the reason it could not be opened.
    db::Database &database();
    bool isOpen() const { return m_database != nullptr; }

    // The account file of a connection string; raises for a provider other than SQLite.
    static std::string dataSourceOf(const std::string &connectString);

private:
    static std::string dataSourceIn(const component::ConnectionString &connection);
    void open(const std::string &connectString);
    void noteOpenFailure(const base::Error &error);
    std::string openFailureText() const;

    std::shared_ptr<db::Database> m_database; // shared by the process's connections to the file
    std::unique_ptr<db::Transaction> m_transaction;
    std::string m_path; // the account file named by the connection string
    bool m_server = false;
    std::string m_openError;
    base::AccountFailure m_openFailure = base::AccountFailure::None;
};

} // namespace orvan::suite
