#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/Variant.h"

// Type descriptions of late-bound (automation) objects: members with dispatch ids,
// argument types and defaults, enumerations, and the registration identifiers.
namespace orvan::base {

using DispId = int32_t;

enum class InvokeKind : int {
    Method = 1,
    PropertyGet = 2,
    PropertyPut = 4,
};

enum class MemberKind {
    Method,
    Property,    // read and write (a public field)
    PropertyGet, // read only
    PropertyPut, // write only
};

struct ParamInfo
{
    std::string name;
    std::string typeName;          // as declared: "Long", "String", "Boolean", "Enu_SysClass", ...
    VarType type = VarType::Empty; // the value type arguments are converted to
    bool optional = false;
    Variant defaultValue;
    bool byRef = false;
};

struct MemberInfo
{
    std::string name;
    DispId id = 0;
    MemberKind kind = MemberKind::Method;
    std::string typeName;          // return or property type; "" for none
    VarType type = VarType::Empty; // return or property value type
    std::vector<ParamInfo> params;

    bool accepts(InvokeKind invokeKind) const;
};

struct InterfaceInfo
{
    std::string name;
    std::string iid;
    std::vector<MemberInfo> members;

    // Lookup by name ignores case, as late binding does; nullptr when absent.
    const MemberInfo *find(std::string_view memberName) const;
    const MemberInfo *find(DispId id) const;
};

struct ClassInfo
{
    std::string name;
    std::string progId;
    std::string clsid;
    InterfaceInfo defaultInterface;
    InterfaceInfo eventInterface; // empty name when the class raises no events
};

struct EnumInfo
{
    std::string name;
    std::string guid;
    std::vector<std::pair<std::string, int32_t>> values;
};

struct TypeLibraryInfo
{
    std::string name;
    std::string helpString;
    std::string version;
    std::string libid;
    std::vector<ClassInfo> classes;
    std::vector<EnumInfo> enums;

    const ClassInfo *findClass(std::string_view className) const;
    const EnumInfo *findEnum(std::string_view enumName) const;
};

} // namespace orvan::base
