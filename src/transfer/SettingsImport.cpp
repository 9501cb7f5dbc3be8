#include "transfer/SettingsImport.h"

#include <algorithm>
#include <map>
#include <memory>
#include <set>

#include "base/Error.h"
#include "base/Text.h"
#include "component/ComponentRegistry.h"
#include "component/OptionProfileControl.h"
#include "component/OutsideComponents.h"
#include "component/ProcessState.h"
#include "component/ProgIds.h"
#include "component/Translation.h"
#include "db/SqlText.h"
#include "forms/Messages.h"
#include "params/ProfileStore.h"
#include "rules/OptionChangeRules.h"

namespace orvan::transfer {
namespace {

using component::TranslateText;

constexpr int32_t AlarmGroup = 11; // options whose values each user keeps for himself

// Profile keys that describe the account's own calendar rather than how it works.
const std::set<std::string> CalendarKeys = {"CURRENTYEAR",        "CURRENTPERIOD", "STARTYEAR",
                                            "STARTPERIOD",        "ICCLOSED",      "PERIODCOUNT",
                                            "PERIODDEFINEMETHOD", "PERIODDATES"};

bool isCalendarState(const SettingsEntry &entry)
{
    return entry.table == "t_PeriodDate" ||
           (entry.table == "t_SystemProfile" && entry.key.size() == 2 &&
            CalendarKeys.count(base::upperCase(entry.key[1])) > 0);
}

std::string recordId(const std::string &table, const std::vector<std::string> &key)
{
    std::string id = base::upperCase(table);
    for (const auto &part : key)
        id += '\x1f' + base::upperCase(part);
    return id;
}

std::string valueId(const SettingsEntry &entry)
{
    return recordId(entry.table, entry.key) + '\x1e' + base::upperCase(entry.field);
}

std::string sqlValue(const std::optional<std::string> &value)
{
    return value ? db::sqlQuote(*value) : "NULL";
}

bool isWholeNumber(const std::string &text)
{
    return !text.empty() && text.size() <= 9 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool anyRow(const std::string &sql)
{
    auto rows = params::executeOnAccount(sql);
    return rows && !rows->isEOF();
}

// The account as it stands: its values, and the option pages of its option keys.
struct AccountValues
{
    std::map<std::string, std::optional<std::string>> values; // by valueId
    std::map<std::string, int32_t> optionGroups;              // by recordId of the profile row

    void read()
    {
        for (auto &entry : readSettings({}))
            values[valueId(entry)] = std::move(entry.value);
        auto rows = params::executeOnAccount("SELECT FCategory, FKey, FID FROM icsystemprofile "
                                             "ORDER BY FID");
        for (; rows && !rows->isEOF(); rows->MoveNext())
            optionGroups.emplace(recordId("t_SystemProfile", {rows->Fields(0).Value().text(),
                                                              rows->Fields(1).Value().text()}),
                                 rows->Fields(2).Value().toLong());
    }

    // Whether a profile row the account lacks is one it may hold: an option, or a detail
    // of one (the option's key, "_", the detail) as the options' own dialogs store them.
    bool knowsProfileKey(const SettingsEntry &entry) const
    {
        const auto id = recordId(entry.table, entry.key);
        if (optionGroups.count(id) > 0)
            return true;
        for (auto at = id.find('_'); at != std::string::npos; at = id.find('_', at + 1))
            if (optionGroups.count(id.substr(0, at)) > 0)
                return true;
        return false;
    }

    // The option group of a profile entry; none for a profile row that is no option.
    std::optional<int32_t> optionGroup(const SettingsEntry &entry) const
    {
        if (entry.table != "t_SystemProfile")
            return std::nullopt;
        const auto found = optionGroups.find(recordId(entry.table, entry.key));
        return found == optionGroups.end() ? std::nullopt : std::optional(found->second);
    }
};

// Whether the import may add the record an entry names, which the account lacks.
bool mayAdd(const SettingsEntry &entry, const AccountValues &account)
{
    if (entry.table == "t_SystemProfile")
        return account.knowsProfileKey(entry);
    if (entry.table == "QMUserOption")
        return isWholeNumber(entry.key[0]) &&
               anyRow("SELECT 1 FROM t_User WHERE FUserID = " + entry.key[0]);
    if (entry.table == "t_BillCodeRule")
        return isWholeNumber(entry.key[0]) && isWholeNumber(entry.key[1]) &&
               anyRow("SELECT 1 FROM ICBillNo WHERE FBillID = " + entry.key[0]);
    return false;
}

// Why the file's entry cannot be taken as it stands; "" when it can.
std::string entryFault(const SettingsEntry &entry)
{
    const auto *table = findSettingsTable(entry.table);
    if (!table)
        return component::FormatText("未知的表%1。", entry.table);
    if (!table->carries(entry.field))
        return component::FormatText("表%1没有可导入的字段%2。", entry.table, entry.field);
    if (entry.key.size() != table->keyColumns.size())
        return component::FormatText("表%1的记录由%2个值确定。", entry.table,
                                     std::to_string(table->keyColumns.size()));
    return {};
}

// Sorts the file's entries into changes, refusals, kept and unchanged values.
void compareWithAccount(const SettingsFile &file, const AccountValues &account,
                        ImportReport &report)
{
    std::set<std::string> seen;
    for (const auto &entry : file.entries) {
        if (auto fault = entryFault(entry); !fault.empty()) {
            report.refused.push_back({entry, fault});
            continue;
        }
        if (!seen.insert(valueId(entry)).second) {
            report.refused.push_back({entry, TranslateText("文件中此值出现了两次。")});
            continue;
        }
        const auto current = account.values.find(valueId(entry));
        const bool exists = current != account.values.end();
        if (exists && current->second == entry.value) {
            ++report.unchanged;
        } else if (isCalendarState(entry)) {
            report.kept.push_back(entry);
        } else if (exists) {
            report.changes.push_back({entry, current->second, false, {}});
        } else if (mayAdd(entry, account)) {
            report.changes.push_back({entry, std::nullopt, true, {}});
        } else {
            report.refused.push_back({entry, TranslateText("账套中没有这条记录。")});
        }
    }
}

// The rules the window runs on an option change, bound to an option control of its own.
class OptionChecks : public rules::OptionControlAccess
{
public:
    OptionChecks()
        : m_control(
              component::ComponentRegistry::instance().createAs<component::OptionProfileControl>(
                  component::ProgId::OptionProfile))
        , m_rules(*this)
    {
        m_rules.load();
        m_rules.showDetailDialogs = false; // the file carries the details as profile rows
        rules::routeNotifications(*m_control, m_rules);
    }

    // Offers a value as a user who types it on the option's page.
    bool offer(int32_t group, const SettingsEntry &entry)
    {
        if (m_control->pageCode() != group) {
            m_control->setPageCode(group);
            m_control->ShowPage();
        }
        return m_control->ChangeOption(entry.key[1], entry.value.value_or(""));
    }

    base::Variant currentValue(const std::string &key) override
    {
        return m_control->OptionValue(key);
    }
    void setContext(const base::ObjectPtr &context) override { m_control->setContext(context); }

private:
    std::shared_ptr<component::OptionProfileControl> m_control;
    rules::OptionChangeRules m_rules;
};

// The changes of one record outside the options, written in one statement.
struct RecordWrite
{
    const SettingsTable *table;
    std::vector<std::string> key;
    bool newRecord = false;
    std::vector<size_t> changes; // indexes into the report's changes

    std::string sql(const std::vector<ImportChange> &all) const
    {
        std::string columns, values, sets, where;
        for (size_t i = 0; i < key.size(); ++i) {
            const auto column = std::string(table->keyColumns[i]);
            columns += (i ? ", " : "") + column;
            values += (i ? ", " : "") + db::sqlQuote(key[i]);
            where += (i ? " AND " : "") + column + " = " + db::sqlQuote(key[i]);
        }
        for (const size_t at : changes) {
            const auto &entry = all[at].entry;
            columns += ", " + entry.field;
            values += ", " + sqlValue(entry.value);
            sets += (sets.empty() ? "" : ", ") + entry.field + " = " + sqlValue(entry.value);
        }
        if (!newRecord)
            return "UPDATE " + std::string(table->table) + " SET " + sets + " WHERE " + where;
        if (std::string(table->table) == "t_SystemProfile") {
            columns += ", FReadonly, FLevel";
            values += ", 0, 1";
        }
        return "INSERT INTO " + std::string(table->table) + " (" + columns + ") VALUES (" + values +
               ")";
    }
};

// Applies the report's changes inside the caller's transaction; a change that is refused
// moves to the refusals with what the checks said.
class ImportRun
{
public:
    ImportRun(ImportReport &report, const AccountValues &account)
        : m_report(report)
        , m_account(account)
    {}

    void run()
    {
        std::vector<RecordWrite> records;
        std::vector<bool> refused(m_report.changes.size(), false);
        for (size_t i = 0; i < m_report.changes.size(); ++i) {
            const auto &entry = m_report.changes[i].entry;
            const auto group = m_account.optionGroup(entry);
            if (group && *group != AlarmGroup)
                refused[i] = !step(i, [&] { return options().offer(*group, entry); });
            else
                addToRecord(records, i);
        }
        for (const auto &record : records) {
            const bool written = step(record.changes.front(), [&] {
                params::executeOnAccount(record.sql(m_report.changes));
                return true;
            });
            for (const size_t at : record.changes)
                refused[at] = !written;
        }
        moveRefusals(refused);
    }

private:
    OptionChecks &options()
    {
        if (!m_options)
            m_options = std::make_unique<OptionChecks>();
        return *m_options;
    }

    void addToRecord(std::vector<RecordWrite> &records, size_t at)
    {
        const auto &change = m_report.changes[at];
        for (auto &record : records) {
            if (record.table->table == change.entry.table && record.key == change.entry.key) {
                record.changes.push_back(at);
                return;
            }
        }
        records.push_back(
            {findSettingsTable(change.entry.table), change.entry.key, change.newRecord, {at}});
    }

    // Runs one step, keeping the messages it showed as the change's notes; an error of
    // the account becomes a note and refuses the step.
    template <typename Step>
    bool step(size_t at, Step &&body)
    {
        const size_t before = m_messages->shown().size();
        bool taken = false;
        try {
            taken = body();
        } catch (const base::Error &error) {
            m_report.changes[at].notes.push_back(error.description());
        }
        const auto &shown = m_messages->shown();
        for (size_t i = before; i < shown.size(); ++i)
            m_report.changes[at].notes.push_back(shown[i].text);
        return taken;
    }

    void moveRefusals(const std::vector<bool> &refused)
    {
        std::vector<ImportChange> kept;
        for (size_t i = 0; i < refused.size(); ++i) {
            auto &change = m_report.changes[i];
            if (!refused[i]) {
                kept.push_back(std::move(change));
                continue;
            }
            std::string reason;
            for (const auto &note : change.notes)
                reason += (reason.empty() ? "" : " ") + note;
            m_report.refused.push_back(
                {change.entry, reason.empty() ? TranslateText("检查未通过。") : reason});
        }
        m_report.changes = std::move(kept);
    }

    ImportReport &m_report;
    const AccountValues &m_account;
    std::shared_ptr<forms::ScriptedMessages> m_messages =
        std::make_shared<forms::ScriptedMessages>();
    forms::MessagesScope m_recording{m_messages};
    std::unique_ptr<OptionChecks> m_options;
};

// Names the import as the action of the history rows it leaves.
class ImportAction
{
public:
    ImportAction() { component::processState().changeAction = "settings import"; }
    ~ImportAction() { component::processState().changeAction.clear(); }
    ImportAction(const ImportAction &) = delete;
    ImportAction &operator=(const ImportAction &) = delete;
};

} // namespace

ImportReport importSettings(const SettingsFile &file, bool dryRun)
{
    ImportReport report;
    AccountValues account;
    account.read();
    compareWithAccount(file, account, report);
    if (report.changes.empty())
        return report;
    ImportAction action;
    auto change = component::requireConnection().beginChange();
    if (!change)
        throw base::Error(base::ErrorNumber::DataUnspecified,
                          "the account's connection cannot hold an import together");
    ImportRun(report, account).run();
    if (dryRun || !report.refused.empty())
        return report; // the scope undoes it all
    change->commit();
    report.applied = true;
    return report;
}

std::string importListing(const ImportReport &report)
{
    std::string text = "table\trecord\tfield\tcurrent\tnew\n";
    for (const auto &change : report.changes)
        text += change.entry.table + "\t" + change.entry.record() + "\t" + change.entry.field +
                "\t" + change.current.value_or("") + "\t" + change.entry.value.value_or("") + "\n";
    return text;
}

} // namespace orvan::transfer
