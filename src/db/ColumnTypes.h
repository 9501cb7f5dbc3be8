#pragma once

#include "base/Variant.h"

#include <string>
#include <string_view>
#include <variant>

namespace orvan::db {

// A value as SQLite stored it: NULL, integer, real or text (blobs are kept as text).
using Cell = std::variant<std::monostate, long long, double, std::string>;

// Field type codes of the host language's data objects.
namespace AdoType {
inline constexpr int SmallInt = 2;
inline constexpr int Integer = 3;
inline constexpr int Single = 4;
inline constexpr int Double = 5;
inline constexpr int Currency = 6;
inline constexpr int Boolean = 11;
inline constexpr int TinyInt = 17;
inline constexpr int BigInt = 20;
inline constexpr int Numeric = 131;
inline constexpr int DBTimeStamp = 135;
inline constexpr int VarChar = 200;
inline constexpr int VarWChar = 202;
} // namespace AdoType

// The field type of a column from its declared type, as the account schema writes it:
// BIT -> Boolean; DATE/DATETIME -> DBTimeStamp; NVARCHAR/NCHAR/NTEXT -> VarWChar, other
// text -> VarChar; SMALLINT, TINYINT, BIGINT, other INT -> Integer; MONEY -> Currency;
// REAL, DECIMAL, NUMERIC -> Numeric; FLOAT, DOUBLE -> Double. Decimal columns must be
// declared REAL so that SQLite keeps them as reals (DECIMAL gives NUMERIC affinity, which
// stores 30.0 as 30 and makes 30*85/100 an integer division). A column without a declared
// type (an expression) takes its type from the storage class of its first non-null
// value: integer -> Integer, real -> Double, text -> VarChar.
int fieldTypeFromDeclaration(std::string_view declaredType);
int fieldTypeFromCell(const Cell &cell);
inline constexpr int UnknownFieldType = 0;

// The value a field of the given type shows for a stored cell: NULL -> Null; Boolean
// fields -> Boolean; date fields -> Date when the text is a date; integers -> Long
// (Integer for SmallInt/TinyInt, Double beyond 32 bits or in real fields); reals ->
// Double; text -> String.
base::Variant cellToVariant(Cell cell, int fieldType);

// Days since 1899-12-30 with the time as fraction, of "YYYY-MM-DD[ HH:MM[:SS[.fff]]]"
// (a "T" may separate date and time); false when the text is not such a date.
bool parseIsoDate(std::string_view text, double &serial);

} // namespace orvan::db
