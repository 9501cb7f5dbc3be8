#pragma once

#include <string>
#include <utility>
#include <vector>

#include "base/TypeInfo.h"

// Short forms for the type descriptions of the late-bound stand-ins: by-value parameters
// without defaults and methods.
namespace orvan::suite::latebound {

inline base::ParamInfo param(std::string name, std::string typeName, base::VarType type)
{
    return base::ParamInfo{std::move(name), std::move(typeName), type, false, {}, false};
}

inline base::MemberInfo method(std::string name, base::DispId id, std::string typeName,
                               base::VarType type, std::vector<base::ParamInfo> params)
{
    return base::MemberInfo{std::move(name),     id,   base::MemberKind::Method,
                            std::move(typeName), type, std::move(params)};
}

} // namespace orvan::suite::latebound
