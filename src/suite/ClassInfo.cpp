#include "suite/ClassInfo.h"

#include "suite/AppConnection.h"

namespace orvan::suite {

db::RecordsetPtr ClassInfo::GetData(const std::string &connectString, const std::string &sql)
{
    AppConnection connection(connectString);
    return connection.Execute(sql);
}

} // namespace orvan::suite
