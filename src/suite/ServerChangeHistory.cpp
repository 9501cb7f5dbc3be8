// The change history of an account on a server: triggers of the account itself record
// the changes of every connection; each write transaction of the program tells them who
// and what makes it.
#include "suite/ChangeHistory.h"

#include "base/DataFiles.h"
#include "db/PostgresDatabase.h"
#include "db/ServerSchema.h"
#include "db/SqlText.h"
#include "db/Token.h"
#include "suite/ChangeHistoryParts.h"

namespace orvan::suite {
namespace {

using namespace history;

std::string quotedName(const std::string &name)
{
    return "\"" + name + "\"";
}

// The history table, its functions and a trigger on each recorded table the account has.
std::string historyScript(const db::SchemaNames &names)
{
    std::string script =
        db::translateSchema(HistorySchema, "").script + base::readDataFile("history-server.sql");
    for (const auto &table : recordedTables()) {
        const auto found = names.find(db::toLower(table.name));
        if (found == names.end())
            continue;
        std::string keys;
        for (const char *column : table.keyColumns)
            keys += (keys.empty() ? "" : ", ") + db::sqlQuote(column);
        script += "\nCREATE TRIGGER orvan_history AFTER INSERT OR UPDATE OR DELETE ON " +
                  quotedName(found->second) +
                  " FOR EACH ROW EXECUTE FUNCTION orvan_record_change(" + keys + ");";
    }
    for (const char *table : templateTables()) {
        const auto found = names.find(db::toLower(table));
        if (found != names.end())
            script += "\nCREATE TRIGGER orvan_rewritten AFTER INSERT OR UPDATE OR DELETE ON " +
                      quotedName(found->second) +
                      " FOR EACH ROW EXECUTE FUNCTION orvan_count_rewrite();";
    }
    return script;
}

} // namespace

void recordChangesOf(db::PostgresDatabase &account)
{
    account.setWriteBegunHook(
        [&account] { account.setTransactionSetting("orvan.actor", actorText()); });
    const auto &names = account.schemaNames();
    if (!names.count("t_systemprofile") || names.count("t_changehistory"))
        return;
    account.executeNative(historyScript(names));
}

} // namespace orvan::suite
