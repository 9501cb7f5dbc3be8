#include "component/TypeLibrary.h"
#include "component/ProgIds.h"

#include <cassert>

namespace orvan::component {
namespace {

using base::ClassInfo;
using base::EnumInfo;
using base::InterfaceInfo;
using base::MemberInfo;
using base::MemberKind;
using base::ParamInfo;
using base::VarType;

ParamInfo param(const char *name, const char *typeName, VarType type)
{
    return ParamInfo{name, typeName, type, false, {}, false};
}

ParamInfo optionalParam(const char *name, const char *typeName, VarType type,
                        base::Variant defaultValue)
{
    return ParamInfo{name, typeName, type, true, std::move(defaultValue), false};
}

ClassInfo sysFaceClass()
{
    using namespace DispIds;
    return ClassInfo{
        "SysFace",
        ProgId::SysFace,
        "64878F97-CA2B-438E-954B-CB53803EFA1F",
        InterfaceInfo{
            "_SysFace",
            "84A4FAA4-3F19-42B2-B55B-DCEC2716F80B",
            {
                {"m_bPrintControl",
                 SysFace_m_bPrintControl,
                 MemberKind::Property,
                 "Boolean",
                 VarType::Boolean,
                 {}},
                {"ActiveCnnStr",
                 SysFace_ActiveCnnStr,
                 MemberKind::PropertyPut,
                 "String",
                 VarType::String,
                 {}},
                {"Show",
                 SysFace_Show,
                 MemberKind::Method,
                 "Variant",
                 VarType::Empty,
                 {param("ItemClassID", "Enu_SysClass", VarType::Long),
                  optionalParam("lngClassTypeID", "Long", VarType::Long, base::Variant(0)),
                  optionalParam("strHelpSystem", "String", VarType::String, base::Variant(""))}},
                {"SystemID",
                 SysFace_SystemID,
                 MemberKind::PropertyPut,
                 "String",
                 VarType::String,
                 {}},
                {"GetOptionValue",
                 SysFace_GetOptionValue,
                 MemberKind::Method,
                 "Long",
                 VarType::Long,
                 {param("Key", "String", VarType::String)}},
            },
        },
        {},
    };
}

ClassInfo interfaceClass()
{
    return ClassInfo{
        "Interface",
        ProgId::Interface,
        "43EC754B-9561-413D-A1ED-641D60BBD474",
        InterfaceInfo{"_Interface",
                      "8B1B0A11-A0E8-4974-A35C-CA8E497D0101",
                      {{"CloseBill",
                        DispIds::Interface_CloseBill,
                        MemberKind::Method,
                        "Long",
                        VarType::Long,
                        {}}}},
        {},
    };
}

ClassInfo clsDelPlanClass()
{
    using namespace DispIds;
    return ClassInfo{
        "clsDelPlan",
        ProgId::DelPlan,
        "0F7ADF6B-2778-49EB-8F50-36F1FB2724EA",
        InterfaceInfo{"_clsDelPlan",
                      "3D1A3A58-6AD8-4C1A-AC53-A238FAB26DBF",
                      {
                          {"CleanTablesOfPlan",
                           clsDelPlan_CleanTablesOfPlan,
                           MemberKind::Method,
                           "",
                           VarType::Empty,
                           {}},
                          {"ifAdjust",
                           clsDelPlan_ifAdjust,
                           MemberKind::PropertyPut,
                           "Boolean",
                           VarType::Boolean,
                           {}},
                      }},
        InterfaceInfo{"__clsDelPlan",
                      "C6C4B254-F1E8-4D93-95F2-DDEACA98ACDE",
                      {
                          {"SetBarMax",
                           Event_SetBarMax,
                           MemberKind::Method,
                           "",
                           VarType::Empty,
                           {param("max", "Integer", VarType::Integer)}},
                          {"SetBarVal",
                           Event_SetBarVal,
                           MemberKind::Method,
                           "",
                           VarType::Empty,
                           {param("val", "Integer", VarType::Integer)}},
                          {"SetLabel",
                           Event_SetLabel,
                           MemberKind::Method,
                           "",
                           VarType::Empty,
                           {param("info", "String", VarType::String)}},
                          {"SetAdjustImage",
                           Event_SetAdjustImage,
                           MemberKind::Method,
                           "",
                           VarType::Empty,
                           {param("ifAdjust", "Boolean", VarType::Boolean)}},
                          {"EndBar", Event_EndBar, MemberKind::Method, "", VarType::Empty, {}},
                      }},
    };
}

ClassInfo emptyClass(const char *name, const char *clsid, const char *iid)
{
    return ClassInfo{name,
                     std::string("OrvanSysMaintain.") + name,
                     clsid,
                     InterfaceInfo{std::string("_") + name, iid, {}},
                     {}};
}

std::vector<EnumInfo> enumerations()
{
    return {
        EnumInfo{"Enu_SysClass",
                 "137AD0F0-C6B9-4D5D-8655-375B94090CC5",
                 {{"sys_sysparameter", 0},
                  {"sys_checkparameter", 1},
                  {"sys_planparameter", 2},
                  {"sys_All", 3},
                  {"sys_alarmparameter", 4},
                  {"sys_arapParameter", 5}}},
        EnumInfo{"Enu_AdjustPlan",
                 "0C0D78E8-7809-4E15-AC08-37120E6079FF",
                 {{"ByPlanStartDate", 0}, {"ByTZCount", 1}}},
    };
}

base::TypeLibraryInfo makeTypeLibrary()
{
    return base::TypeLibraryInfo{
        "OrvanSysMaintain",
        "Orvan System Manager",
        "1.0",
        "0EE10296-461C-42AA-8598-799DFBF709D2",
        {
            sysFaceClass(),
            interfaceClass(),
            clsDelPlanClass(),
            emptyClass("SysEnum", "166656C6-9EC8-48FE-A173-53876E631D33",
                       "09658C90-F3B8-4F41-8758-B6BF6BABDB44"),
            emptyClass("BillCodeRule", "72B32140-F986-4634-AB1E-980B98DFC37A",
                       "F52A5BFE-19A4-4B46-AF9B-F217DC86148C"),
        },
        enumerations(),
    };
}

} // namespace

const base::TypeLibraryInfo &typeLibrary()
{
    static const base::TypeLibraryInfo library = makeTypeLibrary();
    return library;
}

const base::ClassInfo &publicClass(const char *className)
{
    const auto *info = typeLibrary().findClass(className);
    assert(info && "unknown public class");
    return *info;
}

} // namespace orvan::component
