#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "base/TypeInfo.h"
#include "base/Variant.h"

namespace orvan::base {

// An automation object: callable from C++ through its typed interface and late-bound
// through invoke() by member name or dispatch id. Objects with a type description get
// their arguments checked, defaulted and converted before dispatch(); objects without
// one receive the arguments as given.
class Object
{
public:
    virtual ~Object();

    // The default interface's description, or nullptr for objects called by id only.
    virtual const InterfaceInfo *typeInfo() const { return nullptr; }

    // Late-bound calls. Arguments are passed by reference so that by-reference
    // parameters can hand values back. Unknown members raise error 438, a wrong
    // number of arguments error 450, unconvertible arguments error 13.
    Variant invoke(std::string_view member, InvokeKind kind, std::vector<Variant> &args);
    Variant invoke(DispId id, InvokeKind kind, std::vector<Variant> &args);
    Variant invoke(std::string_view member, InvokeKind kind = InvokeKind::Method,
                   std::vector<Variant> &&args = {});
    Variant invoke(DispId id, InvokeKind kind = InvokeKind::Method,
                   std::vector<Variant> &&args = {});

protected:
    // Carries out a call whose member and arguments have been checked.
    virtual Variant dispatch(DispId id, InvokeKind kind, std::vector<Variant> &args);

private:
    void prepareArguments(const MemberInfo &member, InvokeKind kind,
                          std::vector<Variant> &args) const;
};

// Converts a value to the given type with the host language's conversion rules.
Variant convertTo(const Variant &value, VarType type);

} // namespace orvan::base
