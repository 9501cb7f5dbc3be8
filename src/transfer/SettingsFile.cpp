#include "transfer/SettingsFile.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include <nlohmann/json.hpp>

#include "base/DateTime.h"
#include "base/Error.h"
#include "base/Format.h"
#include "base/Variant.h"
#include "db/Recordset.h"
#include "params/ProfileStore.h"

namespace orvan::transfer {
namespace {

using Json = nlohmann::ordered_json;

constexpr long TransferError = base::ErrorNumber::DataUnspecified;

// A value as the file writes it.
std::optional<std::string> textOf(const base::Variant &value)
{
    switch (value.type()) {
    case base::VarType::Empty:
    case base::VarType::Null:
        return std::nullopt;
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

void readTable(const SettingsTable &table, std::vector<SettingsEntry> &entries)
{
    auto rows = params::executeOnAccount("SELECT " + joined(table.keyColumns) + ", " +
                                         joined(table.valueColumns) + " FROM " + table.table +
                                         " ORDER BY " + joined(table.keyColumns));
    const auto keyCount = static_cast<int>(table.keyColumns.size());
    for (; rows && !rows->isEOF(); rows->MoveNext()) {
        std::vector<std::string> key;
        for (int i = 0; i < keyCount; ++i)
            key.push_back(textOf(rows->Fields(i).Value()).value_or(""));
        for (size_t i = 0; i < table.valueColumns.size(); ++i)
            entries.push_back({table.table, key, table.valueColumns[i],
                               textOf(rows->Fields(keyCount + static_cast<int>(i)).Value())});
    }
}

std::string companyName()
{
    return params::firstFieldText("SELECT FValue FROM t_SystemProfile WHERE "
                                  "FCategory='General' AND FKey='CompanyName'",
                                  "FValue")
        .value_or("");
}

std::string entryLine(const SettingsEntry &entry)
{
    Json line;
    line["table"] = entry.table;
    line["key"] = entry.key;
    line["field"] = entry.field;
    line["value"] = entry.value ? Json(*entry.value) : Json(nullptr);
    return line.dump();
}

[[noreturn]] void refuseFile(const std::string &why)
{
    throw base::Error(TransferError, why);
}

std::string textMember(const Json &object, const char *name, size_t number)
{
    const auto found = object.find(name);
    if (found == object.end() || !found->is_string())
        refuseFile("entry " + std::to_string(number) + " has no text \"" + name + "\"");
    return found->get<std::string>();
}

SettingsEntry entryOf(const Json &line, size_t number)
{
    if (!line.is_object())
        refuseFile("entry " + std::to_string(number) + " is not an object");
    SettingsEntry entry;
    entry.table = textMember(line, "table", number);
    entry.field = textMember(line, "field", number);
    const auto key = line.find("key");
    if (key == line.end() || !key->is_array() || key->empty() ||
        !std::all_of(key->begin(), key->end(), [](const Json &part) { return part.is_string(); }))
        refuseFile("entry " + std::to_string(number) + " has no key of texts");
    for (const auto &part : *key)
        entry.key.push_back(part.get<std::string>());
    const auto value = line.find("value");
    if (value == line.end() || !(value->is_string() || value->is_null()))
        refuseFile("entry " + std::to_string(number) + " has no text or null \"value\"");
    if (value->is_string())
        entry.value = value->get<std::string>();
    return entry;
}

int schemaVersionOf(const Json &file)
{
    if (!file.is_object() || file.value("format", "") != SettingsFormat)
        refuseFile("not a settings file of orvan-sysmaintain");
    const auto version = file.find("schemaVersion");
    if (version == file.end() || !version->is_number_integer() || version->get<int>() < 1)
        refuseFile("the settings file names no schema version");
    if (version->get<int>() > SettingsSchemaVersion)
        refuseFile("the settings file was written by a newer version of the program (schema " +
                   std::to_string(version->get<int>()) + "; this one reads up to " +
                   std::to_string(SettingsSchemaVersion) + "); nothing was imported");
    return version->get<int>();
}

} // namespace

bool SettingsTable::carries(std::string_view field) const
{
    return std::any_of(valueColumns.begin(), valueColumns.end(),
                       [field](const char *column) { return field == column; });
}

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

const SettingsTable *findSettingsTable(std::string_view name)
{
    const auto &tables = settingsTables();
    const auto found =
        std::find_if(tables.begin(), tables.end(),
                     [name](const SettingsTable &table) { return name == table.table; });
    return found == tables.end() ? nullptr : &*found;
}

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

std::string SettingsEntry::record() const
{
    std::string text;
    for (const auto &part : key)
        text += (text.empty() ? "" : ".") + part;
    return text;
}

std::vector<SettingsEntry> readSettings(const std::vector<std::string> &scopes)
{
    const auto chosen = chosenScopes(scopes);
    std::vector<SettingsEntry> entries;
    for (const auto &table : settingsTables())
        if (std::find(chosen.begin(), chosen.end(), table.scope) != chosen.end())
            readTable(table, entries);
    return entries;
}

std::string settingsText(const std::vector<std::string> &scopes,
                         const std::vector<SettingsEntry> &entries)
{
    Json head;
    head["format"] = SettingsFormat;
    head["schemaVersion"] = SettingsSchemaVersion;
    head["company"] = companyName();
    head["exported"] = base::utcTimestamp();
    head["scopes"] = chosenScopes(scopes);
    std::string text = "{\n";
    for (const auto &[name, value] : head.items())
        text += "  " + Json(name).dump() + ": " + value.dump() + ",\n";
    text += "  \"entries\": [";
    for (size_t i = 0; i < entries.size(); ++i)
        text += std::string(i ? ",\n" : "\n") + "    " + entryLine(entries[i]);
    text += entries.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return text;
}

std::string exportSettings(const std::vector<std::string> &scopes)
{
    return settingsText(scopes, readSettings(scopes));
}

SettingsFile parseSettingsFile(const std::string &text)
{
    const auto json = Json::parse(text, nullptr, false);
    if (json.is_discarded())
        refuseFile("the settings file is not JSON");
    SettingsFile file;
    file.schemaVersion = schemaVersionOf(json);
    file.company = json.value("company", "");
    file.exported = json.value("exported", "");
    const auto scopes = json.find("scopes");
    if (scopes != json.end() && scopes->is_array())
        for (const auto &scope : *scopes)
            if (scope.is_string())
                file.scopes.push_back(scope.get<std::string>());
    const auto entries = json.find("entries");
    if (entries == json.end() || !entries->is_array())
        refuseFile("the settings file has no entries");
    for (size_t i = 0; i < entries->size(); ++i)
        file.entries.push_back(entryOf((*entries)[i], i + 1));
    return file;
}

void writeSettingsText(const std::string &path, const std::string &text)
{
    if (path == "-") {
        std::cout << text;
        return;
    }
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out)
            throw base::Error(base::ErrorNumber::PathFileAccessError, "cannot write " + path);
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        throw base::Error(base::ErrorNumber::PathFileAccessError, "cannot write " + path);
    }
}

std::string readSettingsText(const std::string &path)
{
    std::istream *in = &std::cin;
    std::ifstream file;
    if (path != "-") {
        file.open(path, std::ios::binary);
        if (!file)
            throw base::Error(base::ErrorNumber::FileNotFound, "cannot read " + path);
        in = &file;
    }
    return {std::istreambuf_iterator<char>(*in), std::istreambuf_iterator<char>()};
}

} // namespace orvan::transfer
