#include "suite/QMDataUpdate.h"

#include "db/SqlText.h"
#include "suite/LateBoundMembers.h"
#include "suite/OptionAccount.h"

namespace orvan::suite {
namespace {

constexpr base::DispId MemberRefresh = 1;

} // namespace

void QMDataUpdate::Refresh(const std::string &props)
{
    const auto where =
        "FCategory=" + db::sqlQuote(Category) + " AND FKey=" + db::sqlQuote(RefreshedKey);
    accountOfProps(props)->Execute(
        "IF EXISTS(SELECT 1 FROM t_SystemProfile WHERE " + where + ")\r\n" +
        "UPDATE t_SystemProfile SET FValue=GETDATE() WHERE " + where + "\r\nELSE\r\n" +
        "INSERT INTO t_SystemProfile(FCategory,FKey,FValue,FDescription) VALUES(" +
        db::sqlQuote(Category) + "," + db::sqlQuote(RefreshedKey) + ",GETDATE()," +
        db::sqlQuote("质量管理物料对应表数据刷新时间") + ")");
}

const base::InterfaceInfo *QMDataUpdate::typeInfo() const
{
    using namespace latebound;
    static const base::InterfaceInfo info{
        "_DataUpdate",
        "",
        {method("Refresh", MemberRefresh, "", base::VarType::Empty,
                {param("P", "String", base::VarType::String)})},
    };
    return &info;
}

base::Variant QMDataUpdate::dispatch(base::DispId id, base::InvokeKind kind,
                                     std::vector<base::Variant> &args)
{
    if (id == MemberRefresh) {
        Refresh(args[0].text());
        return {};
    }
    return Object::dispatch(id, kind, args);
}

} // namespace orvan::suite
