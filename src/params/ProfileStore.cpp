#include "params/ProfileStore.h"

#include "base/Error.h"
#include "base/Text.h"
#include "base/Variant.h"
#include "component/AccountLookup.h"
#include "component/LoginContext.h"
#include "component/ProcessState.h"
#include "db/SqlText.h"
#include "params/ProfileFlags.h"

namespace orvan::params {
namespace {

using base::tryStep;
using db::sqlQuote;

std::string createGeneralRowSql(const std::string &key)
{
    return std::string(" Insert into t_SystemProfile(FCategory,FKey,FReadonly,FLevel)") + CrLf +
           " Values('General'," + sqlQuote(key) + ",0,1)" + CrLf;
}

std::string companyRowSql(const std::string &key)
{
    return "SELECT FCategory, FKey, FReadonly, FLevel FROM t_SystemProfile WHERE FKey=" +
           sqlQuote(key) + " And FCategory='General'";
}

std::string valueSql(const std::string &key, const std::string &category)
{
    return "SELECT FValue FROM t_SystemProfile WHERE FKey=" + sqlQuote(key) +
           " And FCategory=" + sqlQuote(category);
}

// A flag value as a whole number; text that is not one leaves the flag at 0.
int16_t flagOf(const std::string &text)
{
    try {
        return base::Variant(text).toInteger();
    } catch (const std::exception &) {
        return 0;
    }
}

int16_t readFlag(const std::string &key, const std::string &category)
{
    return flagOf(ReadProfileValue(valueSql(key, category), "FValue"));
}

} // namespace

db::RecordsetPtr executeOnAccount(const std::string &sql)
{
    return component::requireConnection().Execute(sql);
}

db::RecordsetPtr accountByNumber(const std::string &number)
{
    return executeOnAccount(component::accountByNumberSql(number));
}

std::optional<std::string> firstFieldText(const std::string &sql, const std::string &fieldName)
{
    const auto rows = executeOnAccount(sql);
    if (!rows || rows->isEOF())
        return std::nullopt;
    auto text = rows->Fields(fieldName).Value().text();
    rows->Close();
    return text;
}

std::string ReadProfileValue(const std::string &sql, const std::string &fieldName,
                             const std::string &keyToCreate)
{
    std::optional<std::string> value;
    if (!tryStep([&] { value = firstFieldText(sql, fieldName); }))
        return "0";
    if (value)
        return *value;
    if (!base::trim(keyToCreate).empty())
        tryStep([&] { executeOnAccount(createGeneralRowSql(keyToCreate)); });
    return "0";
}

void PreloadProfileFlags()
{
    auto &flags = profileFlags();
    ReadProfileValue(companyRowSql("CompanyTax"), "FKey", "CompanyTax");
    ReadProfileValue(companyRowSql("CompanyYHAccount"), "FKey", "CompanyYHAccount");
    flags.inventoryClosed = readFlag("ICClosed", "IC");
    loadPeriodDefineMethod();
    flags.auditChoice = readFlag("AuditChoice", "IC");
    ReadProfileValue(valueSql("DisCivilExportSale", "IC"), "FValue");
    flags.forecastStrategy = readFlag("ProOfBeforeDemandLimit", "PL");
    flags.baseCurrency = ReadProfileValue(
        "select FName from t_currency where FCurrencyID=convert(int,(Select FValue From "
        "t_SystemProfile where FKey='FBWB' And FCategory='GL'))",
        "FName");
}

void loadPeriodDefineMethod()
{
    profileFlags().periodDefineMethod = readFlag("PeriodDefineMethod", "GL");
}

bool CategoryHasRows(const std::string &category)
{
    try {
        const auto rows = executeOnAccount(
            "select count(*) from t_systemprofile where FCategory = " + sqlQuote(category));
        return rows && !rows->isEOF() && rows->Fields(0).Value().toDouble() > 0;
    } catch (const std::exception &) {
        return false;
    }
}

double ReadProfileNumber(const std::string &key)
{
    try {
        const auto value = firstFieldText(
            "select FValue from t_systemprofile where FKey=" + sqlQuote(key) + " ", "FValue");
        return value ? base::Variant(*value).toDouble() : 0.0;
    } catch (const std::exception &) {
        return 0.0;
    }
}

std::string upsertProfileSql(const std::string &category, const std::string &key,
                             const std::string &value)
{
    const auto where = " WHERE  FCategory=" + sqlQuote(category) + " AND Fkey=" + sqlQuote(key);
    return "IF Exists(select * from t_SystemProfile" + where + ")" + CrLf +
           "UPDATE  t_SystemProfile SET FValue=" + sqlQuote(value) + where + CrLf + "ELSE " + CrLf +
           " INSERT INTO t_SystemProfile(FCategory,FKey,FValue) Values(" + sqlQuote(category) +
           "," + sqlQuote(key) + "," + sqlQuote(value) + ")";
}

void UpsertProfileValue(const std::string &category, const std::string &key,
                        const std::string &value)
{
    executeOnAccount(upsertProfileSql(category, key, value));
}

std::string optionValueSql(int32_t userId, const std::string &key)
{
    return std::string("select a.* ,b.FValue FUserValue from icsystemprofile  a") + CrLf +
           " left join QMUserOption b on b.FUserID=" + db::sqlNumber(userId) +
           " and a.FKey=b.FKey" + CrLf + " where a.FKey=" + sqlQuote(key) + " order by a.FIndex";
}

int32_t GetOptionValue(const std::string &key)
{
    try {
        component::ParseLoginProps(component::LoginPropsString());
        const auto rows = executeOnAccount(optionValueSql(component::CurrentUserID(), key));
        if (!rows || rows->isEOF())
            return -1;
        auto value = rows->Fields("FUserValue").Value();
        if (value.isNull())
            value = rows->Fields("FValue").Value();
        return value.toDouble() == 0 ? 0 : 1;
    } catch (const std::exception &) {
        return -1;
    }
}

} // namespace orvan::params
