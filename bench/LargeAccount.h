// A large account for the window benchmarks: the demo account plus 100 000 profile rows
// (five categories, keys unique within each), 5 000 bill types and 2 000 numbered bills
// listed in the bill settings (other sizes through scaledAccount()). Written once per process into
// a temporary file, with its own settings folder, and removed at exit.
#pragma once

#include "db/SqliteDatabase.h"
#include "suite/DemoAccount.h"

#include <sqlite3.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

namespace orvan::bench {

constexpr int BulkIdBase = 100000; // above every id of the demo data

// The bulk rows an account gets.
struct AccountSize
{
    int profileRows = 100000;
    int billTypeRows = 5000;
    int billNumberRows = 2000;
};

// The demo account plus bulk rows, in a temporary file with its own settings folder.
class LargeAccount
{
public:
    explicit LargeAccount(AccountSize size = {})
        : m_size(size)
    {
        const auto stem =
            std::filesystem::temp_directory_path() /
            ("orvan-window-bench-" + std::to_string(::getpid()) + "-" +
             std::to_string(size.billTypeRows) + "-" + std::to_string(size.billNumberRows));
        m_path = stem.string() + ".db";
        m_config = stem.string() + ".config";
        std::filesystem::create_directories(m_config);
        ::setenv("XDG_CONFIG_HOME", m_config.c_str(), 1);
        try {
            suite::writeAccount(m_path, true);
            addBulkRows();
        } catch (...) {
            removeFiles();
            throw;
        }
    }

    ~LargeAccount() { removeFiles(); }
    LargeAccount(const LargeAccount &) = delete;
    LargeAccount &operator=(const LargeAccount &) = delete;

    const std::string &path() const { return m_path; }
    std::string connectString() const { return "Provider=SQLite;Data Source=" + m_path; }

private:
    void removeFiles()
    {
        for (const char *suffix : {"", "-wal", "-shm"})
            std::filesystem::remove(m_path + suffix);
        std::filesystem::remove_all(m_config);
    }

    void addBulkRows()
    {
        db::SqliteDatabase account(m_path);
        sqlite3 *handle = account.handle();
        run(handle, "BEGIN IMMEDIATE");
        addProfileRows(handle, m_size.profileRows);
        addBillTypes(handle, m_size.billTypeRows);
        addBillNumbers(handle, m_size.billNumberRows);
        run(handle, "COMMIT");
    }

    // Keys repeat across categories and are unique within one.
    static void addProfileRows(sqlite3 *handle, int rows)
    {
        static constexpr const char *Categories[] = {"General", "IC", "GL", "PL", "Bulk"};
        constexpr int categoryCount = sizeof Categories / sizeof *Categories;
        Statement insert(handle, "INSERT INTO t_SystemProfile (FCategory, FKey, FValue, FSort) "
                                 "VALUES (?1, ?2, ?3, ?4)");
        for (int i = 0; i < rows; ++i) {
            const int number = i / categoryCount;
            insert.text(1, Categories[i % categoryCount]);
            insert.text(2, "BulkKey" + std::to_string(number));
            insert.text(3, std::to_string(i % 7));
            insert.real(4, number);
            insert.step();
        }
    }

    static void addBillTypes(sqlite3 *handle, int rows)
    {
        Statement insert(handle, "INSERT INTO ICBillType (FID, FNumber, FName, FAcctID, FNote, "
                                 "FSystemic) VALUES (?1, ?2, ?3, ?4, ?5, 0)");
        for (int i = 1; i <= rows; ++i) {
            const auto n = std::to_string(i);
            insert.integer(1, BulkIdBase + i);
            insert.text(2, "B" + n);
            insert.text(3, "Bulk bill type " + n);
            if (i % 4 == 0)
                insert.null(4);
            else
                insert.integer(4, 1 + i % 17); // the demo accounts are 1 to 17
            insert.text(5, "Generated row " + n);
            insert.step();
        }
        Statement maxNumber(handle, "UPDATE ICMaxNum SET FMaxNum = ?1 WHERE FTableName = "
                                    "'ICBillType'");
        maxNumber.integer(1, BulkIdBase + rows);
        maxNumber.step();
    }

    // Each numbered bill gets a class listed in the bill settings (FControl 32).
    static void addBillNumbers(sqlite3 *handle, int rows)
    {
        Statement bill(handle,
                       "INSERT INTO ICBillNo (FBillID, FBillName, FBillName_CHT, FBillName_EN, "
                       "FDesc, FPreLetter, FCurNo, FSufLetter, FFormat, FCanAlterBillNo, "
                       "FCheckAfterSave, FUseBillCodeRule, FSingleApproval, FSingleUnApproval, "
                       "FEditSelfBill, FPos) VALUES (?1, ?2, ?2, ?3, 'BK+000000', 'BK', ?4, '', "
                       "'000000', ?5, ?6, ?7, 1, ?8, ?9, ?10)");
        Statement classType(handle, "INSERT INTO ICClassType (FID, FName, FName_CHT, FName_EN, "
                                    "FBillTypeID, FControl) VALUES (?1, ?2, ?2, ?3, 1, 32)");
        for (int i = 1; i <= rows; ++i) {
            const auto n = std::to_string(i);
            bill.integer(1, BulkIdBase + i);
            bill.text(2, "Bulk bill " + n);
            bill.text(3, "Bulk bill " + n);
            bill.integer(4, i);
            bill.integer(5, i % 2);
            bill.integer(6, i % 3 == 0);
            bill.integer(7, i % 5 == 0);
            bill.integer(8, i % 3);
            bill.integer(9, i % 3);
            bill.integer(10, 1000 + i);
            bill.step();
            classType.integer(1, -(BulkIdBase + i));
            classType.text(2, "Bulk bill " + n);
            classType.text(3, "Bulk bill " + n);
            classType.step();
        }
    }

    // One prepared statement with bound parameters, stepped and reset per row.
    class Statement
    {
    public:
        Statement(sqlite3 *handle, const char *sql)
        {
            if (sqlite3_prepare_v2(handle, sql, -1, &m_statement, nullptr) != SQLITE_OK)
                throw std::runtime_error(sqlite3_errmsg(handle));
        }
        ~Statement() { sqlite3_finalize(m_statement); }
        Statement(const Statement &) = delete;
        Statement &operator=(const Statement &) = delete;

        void text(int index, const std::string &value)
        {
            sqlite3_bind_text(m_statement, index, value.c_str(), static_cast<int>(value.size()),
                              SQLITE_TRANSIENT);
        }
        void integer(int index, int value) { sqlite3_bind_int(m_statement, index, value); }
        void real(int index, double value) { sqlite3_bind_double(m_statement, index, value); }
        void null(int index) { sqlite3_bind_null(m_statement, index); }
        void step()
        {
            const int result = sqlite3_step(m_statement);
            sqlite3_reset(m_statement);
            if (result != SQLITE_DONE)
                throw std::runtime_error(sqlite3_errmsg(sqlite3_db_handle(m_statement)));
        }

    private:
        sqlite3_stmt *m_statement = nullptr;
    };

    static void run(sqlite3 *handle, const char *sql)
    {
        if (sqlite3_exec(handle, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(handle));
    }

    AccountSize m_size;
    std::string m_path;
    std::string m_config;
};

inline const LargeAccount &largeAccount()
{
    static const LargeAccount account;
    return account;
}

// An account with the given bill types and numbered bills (the other bulk rows as in
// largeAccount()), generated once per process.
inline const LargeAccount &scaledAccount(int billTypeRows, int billNumberRows)
{
    static std::map<std::pair<int, int>, std::unique_ptr<LargeAccount>> accounts;
    auto &account = accounts[{billTypeRows, billNumberRows}];
    if (!account)
        account = std::make_unique<LargeAccount>(
            AccountSize{.billTypeRows = billTypeRows, .billNumberRows = billNumberRows});
    return *account;
}

} // namespace orvan::bench
