#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

namespace orvan::base {

class Object;
using ObjectPtr = std::shared_ptr<Object>;

// Type codes of the host language's Variant (VarType values).
enum class VarType : int {
    Empty = 0,
    Null = 1,
    Integer = 2, // 16-bit
    Long = 3,    // 32-bit
    Double = 5,
    Date = 7, // days since 1899-12-30, fraction = time of day
    String = 8,
    Object = 9,
    Boolean = 11,
};

// The host language's True is -1 when a Boolean is seen as a number.
inline constexpr int16_t VbTrue = -1;
inline constexpr int16_t VbFalse = 0;

// A value with the host language's rules. Text is UTF-8.
class Variant
{
public:
    Variant() = default; // Empty
    Variant(bool value)
        : m_value(value)
    {}
    Variant(int16_t value)
        : m_value(value)
    {}
    Variant(int32_t value)
        : m_value(value)
    {}
    Variant(double value)
        : m_value(value)
    {}
    Variant(const char *text)
        : m_value(std::string(text))
    {}
    Variant(std::string text)
        : m_value(std::move(text))
    {}
    Variant(std::string_view text)
        : m_value(std::string(text))
    {}
    Variant(ObjectPtr object)
        : m_value(std::move(object))
    {}

    static Variant null();
    static Variant date(double serial);

    VarType type() const;
    bool isEmpty() const { return type() == VarType::Empty; }
    bool isNull() const { return type() == VarType::Null; }
    bool isObject() const { return type() == VarType::Object; }
    bool isString() const { return type() == VarType::String; }
    // Integer, Long, Double, Boolean or Date: a value the host language holds as a number.
    bool isNumberType() const;

    // The stored value of the exact type; a value of another type raises a type mismatch.
    const std::string &stringValue() const;
    ObjectPtr objectValue() const;
    double dateValue() const;

    // Conversions with the host language's rules (CBool, CInt, CLng, CDbl, CStr, CDate).
    // Text is recognised as number or date as the host language does; Null, objects and
    // unrecognised text raise a type mismatch, values out of range an overflow.
    // Integer conversions round half to even.
    bool toBool() const;
    int16_t toInteger() const;
    int32_t toLong() const;
    double toDouble() const;
    std::string toString() const;
    double toDate() const;

    // Text of the value for display and SQL: Empty and Null give "", otherwise toString().
    std::string text() const &;
    // The same; a temporary hands its string over rather than copying it.
    std::string text() &&;

    // Same type and same value (objects: same instance).
    bool operator==(const Variant &other) const;

private:
    struct EmptyTag
    {
        bool operator==(const EmptyTag &) const = default;
    };
    struct NullTag
    {
        bool operator==(const NullTag &) const = default;
    };
    struct DateTag
    {
        double serial = 0;
        bool operator==(const DateTag &) const = default;
    };
    using Storage = std::variant<EmptyTag, NullTag, bool, int16_t, int32_t, double, DateTag,
                                 std::string, ObjectPtr>;

    explicit Variant(Storage storage)
        : m_value(std::move(storage))
    {}

    Storage m_value;
};

} // namespace orvan::base
