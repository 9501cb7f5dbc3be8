#include "base/TypeInfo.h"

#include "base/Text.h"

namespace orvan::base {

bool MemberInfo::accepts(InvokeKind invokeKind) const
{
    switch (kind) {
    case MemberKind::Method:
        // Late-bound callers that read a method's result ask for a property get.
        return invokeKind == InvokeKind::Method || invokeKind == InvokeKind::PropertyGet;
    case MemberKind::Property:
        return invokeKind == InvokeKind::PropertyGet || invokeKind == InvokeKind::PropertyPut;
    case MemberKind::PropertyGet:
        return invokeKind == InvokeKind::PropertyGet;
    case MemberKind::PropertyPut:
        return invokeKind == InvokeKind::PropertyPut;
    }
    return false;
}

const MemberInfo *InterfaceInfo::find(std::string_view memberName) const
{
    for (const auto &member : members) {
        if (equalsNoCase(member.name, memberName))
            return &member;
    }
    return nullptr;
}

const MemberInfo *InterfaceInfo::find(DispId id) const
{
    for (const auto &member : members) {
        if (member.id == id)
            return &member;
    }
    return nullptr;
}

const ClassInfo *TypeLibraryInfo::findClass(std::string_view className) const
{
    for (const auto &info : classes) {
        if (equalsNoCase(info.name, className))
            return &info;
    }
    return nullptr;
}

const EnumInfo *TypeLibraryInfo::findEnum(std::string_view enumName) const
{
    for (const auto &info : enums) {
        if (equalsNoCase(info.name, enumName))
            return &info;
    }
    return nullptr;
}

} // namespace orvan::base
