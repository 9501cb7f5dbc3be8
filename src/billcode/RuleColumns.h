#pragma once

// Columns of the numbering-rule grid; column 0 is the level header.
namespace orvan::billcode::RuleColumn {
inline constexpr int Level = 0;
inline constexpr int Item = 1;      // the item, chosen from the item list
inline constexpr int Format = 2;    // fixed text, date format, serial start, format, field key
inline constexpr int Length = 3;    // length of the piece
inline constexpr int AddChar = 4;   // pad character
inline constexpr int ReChar = 5;    // replace character
inline constexpr int Kind = 6;      // item kind (hidden)
inline constexpr int FormatId = 7;  // index of the chosen format (hidden)
inline constexpr int FieldName = 8; // field of a check item or key of a bill field (hidden)
inline constexpr int Basis = 9;     // serial-number basis box
inline constexpr int Count = 9;
} // namespace orvan::billcode::RuleColumn

namespace orvan::billcode::ItemKind {
inline constexpr int None = 0;
inline constexpr int FixedText = 1;
inline constexpr int Date = 2;
inline constexpr int Serial = 3;
inline constexpr int FirstCheckItem = 4; // selection indexes 4 and up are check items
inline constexpr int BaseData = 9;
inline constexpr int PlainCheckItem = 10;
inline constexpr int BillField = 100;
} // namespace orvan::billcode::ItemKind

namespace orvan::billcode {
// Bills with an id from this number up are class bills.
inline constexpr int ClassBillFirstId = 1000000;
// The bill whose check-item cells stay editable.
inline constexpr int RouteCardBillId = 1002519;
inline constexpr int MaxRuleRows = 255;
inline constexpr int MaxRuleLength = 255;
} // namespace orvan::billcode
