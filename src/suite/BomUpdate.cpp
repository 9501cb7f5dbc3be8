#include "suite/BomUpdate.h"

#include <initializer_list>

#include "db/SqlText.h"
#include "suite/LateBoundMembers.h"
#include "suite/OptionAccount.h"

namespace orvan::suite {
namespace {

constexpr base::DispId MemberSetVisible = 1;

// FVisForBillType of a template field shown on every bill type, and of a hidden one.
constexpr int ShownOnAllBillTypes = 31;
constexpr int Hidden = 0;

std::string setVisibility(const char *table, const char *templateCode, int visible,
                          std::initializer_list<const char *> fields)
{
    std::string names;
    for (const char *field : fields)
        names += (names.empty() ? "" : ",") + db::sqlQuote(field);
    return std::string("UPDATE ") + table + " SET FVisForBillType=" + db::sqlNumber(visible) +
           " WHERE FID=" + db::sqlQuote(templateCode) + " AND FFieldName IN (" + names + ")";
}

} // namespace

std::string BomUpdate::visibilitySql(bool on)
{
    const int visible = on ? ShownOnAllBillTypes : Hidden;
    return setVisibility("ICTemplate", BomTemplate, visible, {"FECNNo", "FVersion"}) + "\r\n" +
           setVisibility("ICTemplateEntry", BomTemplate, visible, {"FECNNo"});
}

bool BomUpdate::SetVisibelBySysProfile(const std::string &props, const base::Variant &value)
{
    const bool on = value.toDouble() != 0;
    accountOfProps(props)->Execute(visibilitySql(on));
    return true;
}

const base::InterfaceInfo *BomUpdate::typeInfo() const
{
    using namespace latebound;
    static const base::InterfaceInfo info{
        "_BomUpdate",
        "",
        {method("SetVisibelBySysProfile", MemberSetVisible, "Boolean", base::VarType::Boolean,
                {param("P", "String", base::VarType::String),
                 param("V", "Variant", base::VarType::Empty)})},
    };
    return &info;
}

base::Variant BomUpdate::dispatch(base::DispId id, base::InvokeKind kind,
                                  std::vector<base::Variant> &args)
{
    if (id == MemberSetVisible)
        return base::Variant(SetVisibelBySysProfile(args[0].text(), args[1]));
    return Object::dispatch(id, kind, args);
}

} // namespace orvan::suite
