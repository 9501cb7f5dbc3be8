// The conversions of Variant (CBool, CInt, CLng, CDbl, CStr, CDate) with the host
// language's rules; the storage and type queries are in Variant.cpp.
//
// Null raises a type mismatch (13) in every conversion, as the project has chosen
// (the host itself raises "Invalid use of Null", 94).

#include "base/Convert.h"
#include "base/DateTime.h"
#include "base/Error.h"
#include "base/Text.h"
#include "base/Variant.h"

namespace orvan::base {

namespace {

double checkedDate(double serial)
{
    if (!isValidDateSerial(serial))
        throw Error::overflow();
    return serial;
}

} // namespace

bool Variant::toBool() const
{
    switch (type()) {
    case VarType::Empty:
        return false;
    case VarType::Boolean:
        return std::get<bool>(m_value);
    case VarType::String: {
        // "True" / "False" in any case, exactly (no blanks); otherwise numeric text.
        const std::string &text = std::get<std::string>(m_value);
        if (equalsNoCase(text, "True"))
            return true;
        if (equalsNoCase(text, "False"))
            return false;
        return textToDouble(text) != 0;
    }
    case VarType::Integer:
    case VarType::Long:
    case VarType::Double:
    case VarType::Date:
        return toDouble() != 0;
    case VarType::Null:
    case VarType::Object:
        break;
    }
    throw Error::typeMismatch();
}

int16_t Variant::toInteger() const
{
    switch (type()) {
    case VarType::Empty:
        return 0;
    case VarType::Boolean:
        return std::get<bool>(m_value) ? VbTrue : VbFalse;
    case VarType::Integer:
        return std::get<int16_t>(m_value);
    case VarType::String:
        return textToInteger(std::get<std::string>(m_value));
    case VarType::Long:
    case VarType::Double:
    case VarType::Date:
        return base::toInteger(toDouble());
    case VarType::Null:
    case VarType::Object:
        break;
    }
    throw Error::typeMismatch();
}

int32_t Variant::toLong() const
{
    switch (type()) {
    case VarType::Empty:
        return 0;
    case VarType::Boolean:
        return std::get<bool>(m_value) ? VbTrue : VbFalse;
    case VarType::Integer:
        return std::get<int16_t>(m_value);
    case VarType::Long:
        return std::get<int32_t>(m_value);
    case VarType::String:
        return textToLong(std::get<std::string>(m_value));
    case VarType::Double:
    case VarType::Date:
        return base::toLong(toDouble());
    case VarType::Null:
    case VarType::Object:
        break;
    }
    throw Error::typeMismatch();
}

double Variant::toDouble() const
{
    switch (type()) {
    case VarType::Empty:
        return 0;
    case VarType::Boolean:
        return std::get<bool>(m_value) ? VbTrue : VbFalse;
    case VarType::Integer:
        return std::get<int16_t>(m_value);
    case VarType::Long:
        return std::get<int32_t>(m_value);
    case VarType::Double:
        return std::get<double>(m_value);
    case VarType::Date:
        return std::get<DateTag>(m_value).serial;
    case VarType::String:
        return textToDouble(std::get<std::string>(m_value));
    case VarType::Null:
    case VarType::Object:
        break;
    }
    throw Error::typeMismatch();
}

std::string Variant::toString() const
{
    switch (type()) {
    case VarType::Empty:
        return {};
    case VarType::Boolean:
        return std::get<bool>(m_value) ? "True" : "False";
    case VarType::Integer:
        return std::to_string(std::get<int16_t>(m_value));
    case VarType::Long:
        return std::to_string(std::get<int32_t>(m_value));
    case VarType::Double:
        return numberToText(std::get<double>(m_value));
    case VarType::Date:
        return dateToText(std::get<DateTag>(m_value).serial);
    case VarType::String:
        return std::get<std::string>(m_value);
    case VarType::Null:
    case VarType::Object:
        break;
    }
    throw Error::typeMismatch();
}

double Variant::toDate() const
{
    switch (type()) {
    case VarType::Empty:
        return 0;
    case VarType::String: {
        // A recognised date; failing that, numeric text read as a serial (the host
        // coerces text that is no date literal through Double).
        const std::string &text = std::get<std::string>(m_value);
        if (const std::optional<double> date = parseDate(text))
            return *date;
        const std::optional<double> number = parseNumber(text);
        if (!number)
            throw Error::typeMismatch();
        return checkedDate(*number);
    }
    case VarType::Boolean:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Double:
    case VarType::Date:
        return checkedDate(toDouble());
    case VarType::Null:
    case VarType::Object:
        break;
    }
    throw Error::typeMismatch();
}

} // namespace orvan::base
