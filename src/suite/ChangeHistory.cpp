#include "suite/ChangeHistory.h"

#include <unistd.h>

#include <algorithm>
#include <array>

#include "base/DateTime.h"
#include "base/Error.h"
#include "base/Format.h"
#include "base/Text.h"
#include "component/ChangeHistoryQuery.h"
#include "component/LoginContext.h"
#include "component/ProcessState.h"
#include "db/ColumnTypes.h"
#include "db/Database.h"
#include "db/PostgresDatabase.h"
#include "db/Recordset.h"
#include "db/SqlText.h"
#include "db/SqliteDatabase.h"
#include "db/Transaction.h"
#include "suite/AppConnection.h"
#include "suite/ChangeHistoryParts.h"

namespace orvan::suite {

namespace history {

const std::vector<RecordedTable> &recordedTables()
{
    static const std::vector<RecordedTable> tables = {
        {"t_SystemProfile", {"FCategory", "FKey"}},
        {"QMUserOption", {"FUserID", "FKey"}},
        {"t_CalParameter", {"FKind", "FKey"}},
        {"t_PeriodDate", {"FYear", "FPeriod"}},
        {"ICBillNo", {"FBillID"}},
        {"ICPrintMaxCount", {"FID"}},
        {"ICBillType", {"FID"}},
        {"t_VoucherGroup", {"FGroupID"}},
        {"t_BillCodeRule", {"FBillID", "FClassIndex"}},
    };
    return tables;
}

const std::vector<const char *> &templateTables()
{
    static const std::vector<const char *> tables = {"ICClassType",
                                                     "ICClassTableInfo",
                                                     "ICClassTableInfoLayout",
                                                     "ICClassEntryEditorLayout",
                                                     "ICClassUserProfile",
                                                     "ICClassSQLReport",
                                                     "ICClassSQLReportDesc",
                                                     "ICTemplate",
                                                     "ICTemplateEntry",
                                                     "ICChatBillTitle",
                                                     "ICSelBills",
                                                     "ICClassLink"};
    return tables;
}

int64_t &templateRowsChanged()
{
    static int64_t rows = 0;
    return rows;
}

const char *const HistorySchema = R"(
CREATE TABLE t_ChangeHistory (
    FID         INTEGER PRIMARY KEY,
    FTime       DATETIME NOT NULL,
    FUserID     INTEGER,
    FUserName   TEXT COLLATE NOCASE,
    FMachine    TEXT COLLATE NOCASE,
    FTable      TEXT COLLATE NOCASE NOT NULL,
    FRecord     TEXT COLLATE NOCASE,
    FField      TEXT COLLATE NOCASE,
    FOldValue   TEXT COLLATE NOCASE,
    FNewValue   TEXT COLLATE NOCASE,
    FAction     TEXT COLLATE NOCASE
);
CREATE INDEX ix_ChangeHistory_Time ON t_ChangeHistory (FTime);
)";

namespace {

std::string &commandWords()
{
    static std::string words;
    return words;
}

std::string loginValue(const char *name)
{
    try {
        const auto entries = component::parseLoginPropsText(component::LoginPropsString());
        return entries.value(name).text();
    } catch (const std::exception &) {
        return {};
    }
}

} // namespace

std::string userId()
{
    // Spliced into SQL as a number: a whole number of at most nine digits, or nothing.
    const auto id = base::trim(loginValue("UserID"));
    const auto digits = std::string_view(id).substr(!id.empty() && id.front() == '-' ? 1 : 0);
    const bool number =
        !digits.empty() && digits.size() <= 9 &&
        std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
    return number ? id : std::string();
}

std::string userName()
{
    return loginValue("UserName");
}

const std::string &machine()
{
    static const std::string name = [] {
        std::array<char, 256> text{};
        return ::gethostname(text.data(), text.size() - 1) == 0 ? std::string(text.data())
                                                                : std::string();
    }();
    return name;
}

std::string action()
{
    if (const auto &named = component::processState().changeAction; !named.empty())
        return named;
    std::string words = commandWords().empty() ? "gui" : commandWords();
    const auto &node = component::processState().currentNodeKey;
    if (!node.empty() && (words == "gui" || words == "script"))
        words += " " + node;
    return words;
}

bool &pruning()
{
    static bool value = false;
    return value;
}

} // namespace history

using namespace history;

namespace {

constexpr const char *RewrittenSetting = "orvan.rewritten";

// Pruning the history is the account administrator's: the user the account names so.
void requireAdministrator(db::Database &account)
{
    const auto id = userId();
    const auto rows =
        id.empty() ? nullptr : account.execute("SELECT FName FROM t_User WHERE FUserID = " + id);
    if (!rows || rows->isEOF() ||
        !base::equalsNoCase(rows->Fields(0).Value().text(), "Administrator"))
        throw base::Error(HistoryError, "only the account's administrator may remove history rows",
                          "OrvanConnection");
}

// Lets the prune remove rows for the rest of its transaction.
class PruningAllowed
{
public:
    explicit PruningAllowed(db::Database &account)
    {
        if (auto *server = dynamic_cast<db::PostgresDatabase *>(&account))
            server->setTransactionSetting("orvan.pruning", "1");
        pruning() = true;
    }
    ~PruningAllowed() { pruning() = false; }
    PruningAllowed(const PruningAllowed &) = delete;
    PruningAllowed &operator=(const PruningAllowed &) = delete;
};

} // namespace

void setChangeCommand(std::string words)
{
    commandWords() = std::move(words);
}

std::string actorText()
{
    const char separator = '\x1f';
    return userId() + separator + userName() + separator + machine() + separator + action();
}

std::optional<std::string> historyDay(std::string_view text)
{
    std::string day(text);
    std::replace(day.begin(), day.end(), '/', '-');
    double serial = 0;
    if (day.size() != 10 || !db::parseIsoDate(day, serial) ||
        base::formatDate(serial, "yyyy-mm-dd") != day)
        return std::nullopt;
    return day;
}

bool historyKept(db::Database &account)
{
    if (auto *file = dynamic_cast<db::SqliteDatabase *>(&account))
        return fileKeepsHistory(*file);
    if (auto *server = dynamic_cast<db::PostgresDatabase *>(&account))
        return server->schemaNames().count("t_changehistory") > 0;
    return false;
}

std::vector<std::vector<std::string>> readHistory(db::Database &account, const HistoryQuery &query)
{
    std::vector<std::vector<std::string>> lines;
    if (!historyKept(account))
        return lines;
    auto rows = account.execute(component::historySql(query));
    for (; rows && !rows->isEOF(); rows->MoveNext()) {
        if (query.limit > 0 && lines.size() >= static_cast<size_t>(query.limit))
            break;
        auto &line = lines.emplace_back();
        for (int i = 0; i < rows->fieldCount(); ++i)
            line.push_back(rows->Fields(i).Value().text());
    }
    return lines;
}

void recordSummary(db::Database &account, const std::string &table, const std::string &record,
                   const std::string &field, const std::string &oldText, const std::string &newText)
{
    const auto id = userId();
    account.execute("INSERT INTO t_ChangeHistory (FTime, FUserID, FUserName, FMachine, FTable, "
                    "FRecord, FField, FOldValue, FNewValue, FAction) VALUES (" +
                    db::sqlQuote(base::utcTimestamp()) + ", " + (id.empty() ? "NULL" : id) + ", " +
                    db::sqlQuote(userName()) + ", " + db::sqlQuote(machine()) + ", " +
                    db::sqlQuote(table) + ", " + db::sqlQuote(record) + ", " + db::sqlQuote(field) +
                    ", " + db::sqlQuote(oldText) + ", " + db::sqlQuote(newText) + ", " +
                    db::sqlQuote(action()) + ")");
}

TemplateRewrite::TemplateRewrite(component::ConnectionComponent &connection)
{
    templateRowsChanged() = 0;
    auto *app = dynamic_cast<AppConnection *>(&connection);
    if (!app || !app->isOpen())
        return;
    m_account = &app->database();
    if (auto *server = dynamic_cast<db::PostgresDatabase *>(m_account))
        server->setTransactionSetting(RewrittenSetting, "0");
}

void TemplateRewrite::record(const std::string &record)
{
    if (!m_account)
        return;
    int64_t rows = templateRowsChanged();
    if (auto *server = dynamic_cast<db::PostgresDatabase *>(m_account))
        rows = std::atoll(server->transactionSetting(RewrittenSetting).c_str());
    if (rows > 0 && historyKept(*m_account))
        recordSummary(*m_account, "templates", record, "", "",
                      std::to_string(rows) + " rows rewritten");
}

int64_t pruneHistory(db::Database &account, const std::string &before)
{
    const auto day = historyDay(before);
    if (!day)
        throw base::Error(HistoryError, "--before takes a date as yyyy-mm-dd, not " + before,
                          "OrvanConnection");
    if (!historyKept(account))
        throw base::Error(HistoryError, "this account keeps no change history yet",
                          "OrvanConnection");
    requireAdministrator(account);
    db::Transaction transaction(account);
    const std::string older = " FROM t_ChangeHistory WHERE FTime < " + db::sqlQuote(*day);
    const auto counted = account.execute("SELECT COUNT(*)" + older);
    const int64_t removed = counted && !counted->isEOF()
                                ? static_cast<int64_t>(counted->Fields(0).Value().toDouble())
                                : 0;
    {
        const PruningAllowed allowed(account);
        account.execute("DELETE" + older);
    }
    recordSummary(account, HistoryTable, "", "FTime", "before " + *day,
                  std::to_string(removed) + " rows removed");
    transaction.commit();
    return removed;
}

} // namespace orvan::suite
