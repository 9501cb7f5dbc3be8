#include "base/Variant.h"

#include <utility>

#include "base/Error.h"

namespace orvan::base {

Variant Variant::null()
{
    return Variant(Storage(NullTag{}));
}

Variant Variant::date(double serial)
{
    return Variant(Storage(DateTag{serial}));
}

VarType Variant::type() const
{
    struct Visitor
    {
        VarType operator()(EmptyTag) const { return VarType::Empty; }
        VarType operator()(NullTag) const { return VarType::Null; }
        VarType operator()(bool) const { return VarType::Boolean; }
        VarType operator()(int16_t) const { return VarType::Integer; }
        VarType operator()(int32_t) const { return VarType::Long; }
        VarType operator()(double) const { return VarType::Double; }
        VarType operator()(DateTag) const { return VarType::Date; }
        VarType operator()(const std::string &) const { return VarType::String; }
        VarType operator()(const ObjectPtr &) const { return VarType::Object; }
    };
    return std::visit(Visitor{}, m_value);
}

bool Variant::isNumberType() const
{
    switch (type()) {
    case VarType::Integer:
    case VarType::Long:
    case VarType::Double:
    case VarType::Boolean:
    case VarType::Date:
        return true;
    default:
        return false;
    }
}

const std::string &Variant::stringValue() const
{
    if (const auto *text = std::get_if<std::string>(&m_value))
        return *text;
    throw Error::typeMismatch();
}

ObjectPtr Variant::objectValue() const
{
    if (const auto *object = std::get_if<ObjectPtr>(&m_value))
        return *object;
    throw Error(ErrorNumber::ObjectRequired, "Object required");
}

double Variant::dateValue() const
{
    if (const auto *date = std::get_if<DateTag>(&m_value))
        return date->serial;
    throw Error::typeMismatch();
}

std::string Variant::text() const &
{
    if (isEmpty() || isNull())
        return {};
    return toString();
}

std::string Variant::text() &&
{
    if (auto *string = std::get_if<std::string>(&m_value))
        return std::move(*string);
    return std::as_const(*this).text();
}

bool Variant::operator==(const Variant &other) const
{
    return m_value == other.m_value;
}

} // namespace orvan::base
