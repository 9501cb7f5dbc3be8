#include "suite/SettingsTransfer.h"

#include <algorithm>
#include <cmath>

#include <nlohmann/json.hpp>

#include "base/DateTime.h"
#include "base/Error.h"
#include "base/Format.h"
#include "base/Variant.h"
#include "db/Database.h"
#include "db/Recordset.h"

namespace orvan::suite {
namespace {

constexpr long TransferError = -2147467259; // the data objects' "unspecified error"

// A table of settings: the columns that name a record and the values carried.
struct SettingsTable
{
    const char *scope;
    const char *table;
    std::vector<const char *> keyColumns;
    std::vector<const char *> valueColumns;
};

const std::vector<SettingsTable> &settingsTables()
{
    static const std::vector<SettingsTable> tables = {
        {"options", "t_SystemProfile", {"FCategory", "FKey"}, {"FValue"}},
        {"useroptions", "QMUserOption", {"FUserID", "FKey"}, {"FValue"}},
        {"calculation", "t_CalParameter", {"FKind", "FKey"}, {"FValue"}},
        {"numbering",
         "ICBillNo",
         {"FBillID"},
         {"FPreLetter", "FSufLetter", "FFormat", "FCanAlterBillNo", "FCheckAfterSave",
          "FUseBillCodeRule", "FSingleApproval", "FSingleUnApproval", "FEditSelfBill"}},
        {"numbering",
         "t_BillCodeRule",
         {"FBillID", "FClassIndex"},
         {"FProjectID", "FFormatIndex", "FLength", "FAddChar", "FReChar", "FProjectVal", "FIsBy"}},
        {"printcontrol",
         "ICPrintMaxCount",
         {"FID"},
         {"FPrintControlOrNo", "FPrintMaxCount", "FPrintAfterCheck"}},
        {"billtypes", "ICBillType", {"FID"}, {"FNumber", "FName", "FAcctID", "FNote", "FSystemic"}},
        {"vouchergroups", "t_VoucherGroup", {"FGroupID"}, {"FName", "FBrNo"}},
        {"periods", "t_PeriodDate", {"FYear", "FPeriod"}, {"FStartDate", "FEndDate"}},
    };
    return tables;
}

// A value as the file writes it.
nlohmann::ordered_json valueOf(const base::Variant &value)
{
    switch (value.type()) {
    case base::VarType::Empty:
    case base::VarType::Null:
        return nullptr;
    case base::VarType::Boolean:
        return value.toBool() ? "1" : "0";
    case base::VarType::Date: {
        const double serial = value.dateValue();
        return base::formatDate(serial, serial == std::floor(serial) ? "yyyy-mm-dd"
                                                                     : "yyyy-mm-dd hh:nn:ss");
    }
    default:
        return value.text();
    }
}

std::string joined(const std::vector<const char *> &columns)
{
    std::string text;
    for (const char *column : columns)
        text += (text.empty() ? "" : ", ") + std::string(column);
    return text;
}

void addEntries(db::Database &account, const SettingsTable &table, std::vector<std::string> &lines)
{
    auto rows =
        account.execute("SELECT " + joined(table.keyColumns) + ", " + joined(table.valueColumns) +
                        " FROM " + table.table + " ORDER BY " + joined(table.keyColumns));
    for (; rows && !rows->isEOF(); rows->MoveNext()) {
        auto key = nlohmann::ordered_json::array();
        for (size_t i = 0; i < table.keyColumns.size(); ++i)
            key.push_back(valueOf(rows->Fields(static_cast<int>(i)).Value()));
        for (size_t i = 0; i < table.valueColumns.size(); ++i) {
            nlohmann::ordered_json entry;
            entry["table"] = table.table;
            entry["key"] = key;
            entry["field"] = table.valueColumns[i];
            entry["value"] =
                valueOf(rows->Fields(static_cast<int>(table.keyColumns.size() + i)).Value());
            lines.push_back(entry.dump());
        }
    }
}

std::string companyName(db::Database &account)
{
    auto rows = account.execute("SELECT FValue FROM t_SystemProfile WHERE "
                                "FCategory='General' AND FKey='CompanyName'");
    return rows && !rows->isEOF() ? rows->Fields(0).Value().text() : std::string();
}

std::vector<std::string> chosenScopes(const std::vector<std::string> &asked)
{
    const auto &known = settingsScopes();
    if (asked.empty() || std::find(asked.begin(), asked.end(), "all") != asked.end())
        return known;
    for (const auto &scope : asked) {
        if (std::find(known.begin(), known.end(), scope) == known.end()) {
            std::string names;
            for (const auto &name : known)
                names += (names.empty() ? "" : ", ") + name;
            throw base::Error(TransferError,
                              "unknown scope " + scope + "; the scopes are all, " + names);
        }
    }
    std::vector<std::string> chosen; // in the file's order
    for (const auto &scope : known)
        if (std::find(asked.begin(), asked.end(), scope) != asked.end())
            chosen.push_back(scope);
    return chosen;
}

} // namespace

const std::vector<std::string> &settingsScopes()
{
    static const std::vector<std::string> scopes = [] {
        std::vector<std::string> names;
        for (const auto &table : settingsTables())
            if (std::find(names.begin(), names.end(), table.scope) == names.end())
                names.emplace_back(table.scope);
        return names;
    }();
    return scopes;
}

std::string exportSettings(db::Database &account, const std::vector<std::string> &scopes)
{
    const auto chosen = chosenScopes(scopes);
    std::vector<std::string> lines;
    for (const auto &table : settingsTables())
        if (std::find(chosen.begin(), chosen.end(), table.scope) != chosen.end())
            addEntries(account, table, lines);
    nlohmann::ordered_json head;
    head["format"] = "orvan-sysmaintain settings";
    head["schemaVersion"] = SettingsSchemaVersion;
    head["company"] = companyName(account);
    head["exported"] = base::utcTimestamp();
    head["scopes"] = chosen;
    std::string text = "{\n";
    for (const auto &[name, value] : head.items())
        text += "  " + nlohmann::ordered_json(name).dump() + ": " + value.dump() + ",\n";
    text += "  \"entries\": [";
    for (size_t i = 0; i < lines.size(); ++i)
        text += std::string(i ? ",\n" : "\n") + "    " + lines[i];
    text += lines.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return text;
}

} // namespace orvan::suite
