#include "db/SqlFunctions.h"

#include "base/Convert.h"

#include <sqlite3.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string>

namespace orvan::db {

namespace {

int trimmedLength(const char *text, int length)
{
    while (length > 0 && text[length - 1] == ' ')
        --length;
    return length;
}

int compareTextColumns(void *, int leftLength, const void *left, int rightLength, const void *right)
{
    const auto *a = static_cast<const char *>(left);
    const auto *b = static_cast<const char *>(right);
    leftLength = trimmedLength(a, leftLength);
    rightLength = trimmedLength(b, rightLength);
    const int common = leftLength < rightLength ? leftLength : rightLength;
    const int result = common > 0 ? sqlite3_strnicmp(a, b, common) : 0;
    return result != 0 ? result : leftLength - rightLength;
}

std::string trimmed(const unsigned char *text)
{
    std::string value(text ? reinterpret_cast<const char *>(text) : "");
    const size_t first = value.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return value.substr(first, value.find_last_not_of(" \t\r\n") - first + 1);
}

void conversionFailed(sqlite3_context *context, sqlite3_value *value, const char *type)
{
    const std::string message = std::string("Conversion failed when converting the value '") +
                                reinterpret_cast<const char *>(sqlite3_value_text(value)) +
                                "' to data type " + type + ".";
    sqlite3_result_error(context, message.c_str(), -1);
}

void toIntStrict(sqlite3_context *context, int, sqlite3_value **argv)
{
    sqlite3_value *value = argv[0];
    switch (sqlite3_value_type(value)) {
    case SQLITE_NULL:
        sqlite3_result_null(context);
        return;
    case SQLITE_INTEGER:
        sqlite3_result_int64(context, sqlite3_value_int64(value));
        return;
    case SQLITE_FLOAT:
        sqlite3_result_int64(context,
                             static_cast<sqlite3_int64>(std::trunc(sqlite3_value_double(value))));
        return;
    default:
        break;
    }
    const std::string text = trimmed(sqlite3_value_text(value));
    char *end = nullptr;
    errno = 0;
    const long long number = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno == ERANGE)
        return conversionFailed(context, value, "int");
    sqlite3_result_int64(context, number);
}

void toRealStrict(sqlite3_context *context, int, sqlite3_value **argv)
{
    sqlite3_value *value = argv[0];
    const int type = sqlite3_value_type(value);
    if (type == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    if (type == SQLITE_INTEGER || type == SQLITE_FLOAT) {
        sqlite3_result_double(context, sqlite3_value_double(value));
        return;
    }
    const std::string text = trimmed(sqlite3_value_text(value));
    const auto number = base::parseDecimal(text);
    if (!number)
        return conversionFailed(context, value, "float");
    sqlite3_result_double(context, *number);
}

void lengthWithoutTrailingBlanks(sqlite3_context *context, int, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(argv[0]));
    const int bytes = trimmedLength(text, sqlite3_value_bytes(argv[0]));
    int characters = 0;
    for (int i = 0; i < bytes; ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            ++characters;
    }
    sqlite3_result_int(context, characters);
}

void currentDateTime(sqlite3_context *context, int, sqlite3_value **)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    sqlite3_result_text(context, text, -1, SQLITE_TRANSIENT);
}

} // namespace

void installSqlFunctions(sqlite3 *db)
{
    sqlite3_create_collation(db, "NOCASE", SQLITE_UTF8, nullptr, compareTextColumns);
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(db, "to_int_strict", 1, flags, nullptr, toIntStrict, nullptr, nullptr);
    sqlite3_create_function(db, "to_real_strict", 1, flags, nullptr, toRealStrict, nullptr,
                            nullptr);
    sqlite3_create_function(db, "len", 1, flags, nullptr, lengthWithoutTrailingBlanks, nullptr,
                            nullptr);
    sqlite3_create_function(db, "getdate", 0, SQLITE_UTF8, nullptr, currentDateTime, nullptr,
                            nullptr);
}

} // namespace orvan::db
