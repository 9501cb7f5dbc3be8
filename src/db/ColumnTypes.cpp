#include "db/ColumnTypes.h"

#include "db/Token.h"

#include <cstdint>
#include <cstdio>

namespace orvan::db {

namespace {

bool has(const std::string &text, std::string_view part)
{
    return text.find(part) != std::string::npos;
}

long long daysFromCivil(int year, int month, int day)
{
    year -= month <= 2;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yearOfEra = year - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

bool isIntegerField(int type)
{
    return type == AdoType::Integer || type == AdoType::SmallInt || type == AdoType::TinyInt ||
           type == AdoType::BigInt || type == UnknownFieldType || type == AdoType::VarChar ||
           type == AdoType::VarWChar;
}

base::Variant integerVariant(long long value, int fieldType)
{
    if ((fieldType == AdoType::SmallInt || fieldType == AdoType::TinyInt) && value >= INT16_MIN &&
        value <= INT16_MAX)
        return base::Variant(static_cast<int16_t>(value));
    if (isIntegerField(fieldType) && value >= INT32_MIN && value <= INT32_MAX)
        return base::Variant(static_cast<int32_t>(value));
    return base::Variant(static_cast<double>(value));
}

} // namespace

int fieldTypeFromDeclaration(std::string_view declaredType)
{
    const std::string type = toUpper(declaredType);
    if (type.empty())
        return UnknownFieldType;
    if (has(type, "BIT") || has(type, "BOOL"))
        return AdoType::Boolean;
    if (has(type, "DATE") || has(type, "TIME"))
        return AdoType::DBTimeStamp;
    if (has(type, "CHAR") || has(type, "TEXT") || has(type, "CLOB"))
        return type.front() == 'N' ? AdoType::VarWChar : AdoType::VarChar;
    if (has(type, "SMALLINT"))
        return AdoType::SmallInt;
    if (has(type, "TINYINT"))
        return AdoType::TinyInt;
    if (has(type, "BIGINT"))
        return AdoType::BigInt;
    if (has(type, "INT"))
        return AdoType::Integer;
    if (has(type, "MONEY"))
        return AdoType::Currency;
    if (has(type, "FLOA") || has(type, "DOUB"))
        return AdoType::Double;
    return AdoType::Numeric;
}

int fieldTypeFromCell(const Cell &cell)
{
    if (std::holds_alternative<long long>(cell))
        return AdoType::Integer;
    if (std::holds_alternative<double>(cell))
        return AdoType::Double;
    if (std::holds_alternative<std::string>(cell))
        return AdoType::VarChar;
    return UnknownFieldType;
}

base::Variant cellToVariant(Cell cell, int fieldType)
{
    if (std::holds_alternative<std::monostate>(cell))
        return base::Variant::null();
    if (fieldType == AdoType::Boolean) {
        if (const auto *number = std::get_if<long long>(&cell))
            return base::Variant(*number != 0);
        if (const auto *real = std::get_if<double>(&cell))
            return base::Variant(*real != 0);
    }
    if (const auto *number = std::get_if<long long>(&cell)) {
        if (fieldType == AdoType::DBTimeStamp)
            return base::Variant::date(static_cast<double>(*number));
        return integerVariant(*number, fieldType);
    }
    if (const auto *real = std::get_if<double>(&cell)) {
        if (fieldType == AdoType::DBTimeStamp)
            return base::Variant::date(*real);
        return base::Variant(*real);
    }
    std::string &text = std::get<std::string>(cell);
    double serial = 0;
    if (fieldType == AdoType::DBTimeStamp && parseIsoDate(text, serial))
        return base::Variant::date(serial);
    return base::Variant(std::move(text));
}

bool parseIsoDate(std::string_view text, double &serial)
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    double second = 0;
    char separator = ' ';
    const std::string copy(text);
    const int read = std::sscanf(copy.c_str(), "%4d-%2d-%2d%c%2d:%2d:%lf", &year, &month, &day,
                                 &separator, &hour, &minute, &second);
    const bool dateOnly = read == 3 && copy.size() == 10;
    const bool withTime = read >= 6 && (separator == ' ' || separator == 'T');
    if (!dateOnly && !withTime)
        return false;
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second >= 60)
        return false;
    const long long days = daysFromCivil(year, month, day) - daysFromCivil(1899, 12, 30);
    serial = static_cast<double>(days) + (hour * 3600 + minute * 60 + second) / 86400.0;
    return true;
}

} // namespace orvan::db
