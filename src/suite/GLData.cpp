#include "suite/GLData.h"

#include "base/Convert.h"
#include "component/LoginContext.h"
#include "db/SqlText.h"
#include "suite/AppConnection.h"

namespace orvan::suite {

GLData::GLData()
    : m_connection(std::make_unique<AppConnection>())
{}

GLData::~GLData() = default;

bool GLData::AccessCheck(int32_t objectId, int32_t rightId, int32_t mask)
{
    const auto login = component::parseLoginPropsText(component::LoginPropsString());
    const auto userId = login.value("UserID").text();
    if (!base::isNumericText(userId))
        return false;
    auto rows = m_connection->Execute(
        "SELECT FMask FROM t_UserRight WHERE FUserID=" +
        db::sqlNumber(static_cast<long long>(base::textToLong(userId))) +
        " AND FObjectID=" + db::sqlNumber(objectId) + " AND FRightID=" + db::sqlNumber(rightId));
    if (!rows || rows->isEOF())
        return false;
    const auto held = rows->Fields("FMask").Value().toLong();
    return (held & mask) == mask;
}

} // namespace orvan::suite
