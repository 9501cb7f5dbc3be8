#include "suite/CostAccount.h"

#include "component/LoginContext.h"
#include "db/SqlText.h"

namespace orvan::suite {
namespace {

std::string loginEntry(const std::string &props, const char *name)
{
    return component::parseLoginPropsText(props).value(name).text();
}

std::string profileCondition(const std::string &category, const std::string &key)
{
    return "FCategory=" + db::sqlQuote(category) + " AND FKey=" + db::sqlQuote(key);
}

} // namespace

CostAccount::CostAccount(const std::string &props)
    : m_connection(loginEntry(props, "ConnectString"))
    , m_language(loginEntry(props, "LANGUAGE"))
{}

db::RecordsetPtr CostAccount::execute(const std::string &batch)
{
    return m_connection.Execute(batch);
}

std::optional<ProfileRow> CostAccount::profileRow(const std::string &category,
                                                  const std::string &key)
{
    auto rows = execute("SELECT FValue, FDescription, FReadonly FROM t_SystemProfile WHERE " +
                        profileCondition(category, key));
    if (!rows || rows->isEOF())
        return std::nullopt;
    ProfileRow row;
    row.value = rows->Fields("FValue").Value().text();
    row.description = rows->Fields("FDescription").Value().text();
    row.readOnly = rows->Fields("FReadonly").Value().toLong();
    return row;
}

void CostAccount::writeProfileValue(const std::string &category, const std::string &key,
                                    const std::string &value)
{
    const auto where = profileCondition(category, key);
    execute("IF EXISTS(SELECT 1 FROM t_SystemProfile WHERE " + where + ")\r\n" +
            "UPDATE t_SystemProfile SET FValue=" + db::sqlQuote(value) + " WHERE " + where +
            "\r\nELSE\r\n" + "INSERT INTO t_SystemProfile(FCategory,FKey,FValue) VALUES(" +
            db::sqlQuote(category) + "," + db::sqlQuote(key) + "," + db::sqlQuote(value) + ")");
}

} // namespace orvan::suite
