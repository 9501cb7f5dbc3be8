#include "suite/BomView.h"

#include "suite/LateBoundMembers.h"
#include "suite/OptionAccount.h"

namespace orvan::suite {
namespace {

constexpr base::DispId MemberExistsEcnBill = 1;

} // namespace

bool BomView::ExistsEcnBill(const std::string &props)
{
    auto rows = accountOfProps(props)->Execute("SELECT COUNT(*) FROM ICECNBill");
    return rows && !rows->isEOF() && rows->Fields(0).Value().toLong() > 0;
}

const base::InterfaceInfo *BomView::typeInfo() const
{
    using namespace latebound;
    static const base::InterfaceInfo info{
        "_BomView",
        "",
        {method("ExistsEcnBill", MemberExistsEcnBill, "Boolean", base::VarType::Boolean,
                {param("P", "String", base::VarType::String)})},
    };
    return &info;
}

base::Variant BomView::dispatch(base::DispId id, base::InvokeKind kind,
                                std::vector<base::Variant> &args)
{
    if (id == MemberExistsEcnBill)
        return base::Variant(ExistsEcnBill(args[0].text()));
    return Object::dispatch(id, kind, args);
}

} // namespace orvan::suite
