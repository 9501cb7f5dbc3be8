#pragma once

#include <string>
#include <string_view>

// The metadata rewrites that follow option changes: the bill screens read which fields
// they show, lock or require from the account's template and class tables, and these
// operations rewrite those rows when an option is switched. Each takes the option's new
// state and sends fixed SQL through the process's connection, one batch at a time (a
// batch is applied whole or not at all).
//
// On error the operations behave in one of three ways, as their callers expect:
// "message" ones show "更新数据出错." with the error and return; "ignored" ones swallow
// it; the others raise it (base::Error) to the calling handler.
namespace orvan::rules {

// Line break inside the batches.
inline constexpr std::string_view LineBreak = "\r\n";

// Entry quantities counted into totals (message on error).
void SetEntryNeedCount(bool on);
// Operation move numbers may be entered (message on error).
void SetOperMoveNoEnabled(bool on);
// Operation quantities in the auxiliary unit shown in place of the plain ones (message).
void ApplyOperAuxQtyLayout(bool on);
// Subcontract source bill required on the two subcontract templates (ignored; true).
bool SetSubcontractMustInput(std::string_view value);
// Lookups show short codes; switching on also stops automatic configured items and hides
// the letter and sort fields (message on error).
void SetLookupShortNumber(bool on);
// Lookup controls of the templates enabled (raised).
void SetLookupControlsEnabled(bool on);
// Task number column of the material lists (raised).
void SetChatBillTitle61(bool on);
// Subcontract bill types shown on the templates (raised).
void SetBillTypeVisibility(bool on);
// Mnemonic letter and sort fields shown (ignored).
void SetLetterSortFields(bool on);

// The batches the operations send, for callers that log or compare them.
std::string entryNeedCountSql(bool on);
std::string operMoveNoSql(bool on);
std::string operAuxQtyLayoutSql(bool on);
std::string subcontractMustInputSql(std::string_view value);
std::string lookupShortNumberSql(bool on);
std::string lookupControlsSql(bool on);
std::string chatBillTitle61Sql(bool on);
std::string billTypeVisibilitySql(bool on);
std::string letterSortFieldsSql(bool on);

} // namespace orvan::rules
