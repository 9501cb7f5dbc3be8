#include "base/Object.h"

#include "base/Error.h"

namespace orvan::base {
namespace {

[[noreturn]] void raiseNotSupported()
{
    throw Error(ErrorNumber::ObjectDoesNotSupport,
                "Object doesn't support this property or method");
}

[[noreturn]] void raiseWrongArguments()
{
    throw Error(ErrorNumber::WrongArgumentCount,
                "Wrong number of arguments or invalid property assignment");
}

} // namespace

Object::~Object() = default;

Variant Object::invoke(std::string_view member, InvokeKind kind, std::vector<Variant> &args)
{
    const auto *info = typeInfo();
    const auto *found = info ? info->find(member) : nullptr;
    if (!found)
        raiseNotSupported();
    return invoke(found->id, kind, args);
}

Variant Object::invoke(DispId id, InvokeKind kind, std::vector<Variant> &args)
{
    if (const auto *info = typeInfo()) {
        const auto *member = info->find(id);
        if (!member || !member->accepts(kind))
            raiseNotSupported();
        prepareArguments(*member, kind, args);
    }
    return dispatch(id, kind, args);
}

Variant Object::invoke(std::string_view member, InvokeKind kind, std::vector<Variant> &&args)
{
    return invoke(member, kind, args);
}

Variant Object::invoke(DispId id, InvokeKind kind, std::vector<Variant> &&args)
{
    return invoke(id, kind, args);
}

Variant Object::dispatch(DispId, InvokeKind, std::vector<Variant> &)
{
    raiseNotSupported();
}

void Object::prepareArguments(const MemberInfo &member, InvokeKind kind,
                              std::vector<Variant> &args) const
{
    if (kind == InvokeKind::PropertyPut) {
        if (args.size() != member.params.size() + 1)
            raiseWrongArguments();
        args.back() = convertTo(args.back(), member.type);
        return;
    }
    if (args.size() > member.params.size())
        raiseWrongArguments();
    for (std::size_t i = 0; i < member.params.size(); ++i) {
        const auto &param = member.params[i];
        if (i >= args.size()) {
            if (!param.optional)
                throw Error(ErrorNumber::ArgumentNotOptional, "Argument not optional");
            args.push_back(param.defaultValue);
        } else if (!param.byRef) {
            args[i] = convertTo(args[i], param.type);
        }
    }
}

Variant convertTo(const Variant &value, VarType type)
{
    switch (type) {
    case VarType::Boolean:
        return Variant(value.toBool());
    case VarType::Integer:
        return Variant(value.toInteger());
    case VarType::Long:
        return Variant(value.toLong());
    case VarType::Double:
        return Variant(value.toDouble());
    case VarType::String:
        return Variant(value.toString());
    case VarType::Date:
        return Variant::date(value.toDate());
    case VarType::Object:
        if (!value.isObject())
            throw Error(ErrorNumber::ObjectRequired, "Object required");
        return value;
    default:
        return value; // Variant parameters take any value
    }
}

} // namespace orvan::base
