#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

namespace orvan::base {

// Run-time error numbers of the host language that callers test for.
namespace ErrorNumber {
inline constexpr long InvalidProcedureCall = 5;
inline constexpr long Overflow = 6;
inline constexpr long SubscriptOutOfRange = 9;
inline constexpr long TypeMismatch = 13;
inline constexpr long FileNotFound = 53;
inline constexpr long FileAlreadyExists = 58;
inline constexpr long PathFileAccessError = 75;
inline constexpr long ObjectVariableNotSet = 91;
inline constexpr long ObjectRequired = 424;
inline constexpr long CannotCreateObject = 429;
inline constexpr long NotAnAutomationClass = 430;
inline constexpr long ObjectDoesNotSupport = 438;
inline constexpr long ArgumentNotOptional = 449;
inline constexpr long WrongArgumentCount = 450;
inline constexpr long DuplicateKey = 457;
inline constexpr long ElementNotFound = 35601;
// The data objects' "unspecified error": the account refused what was asked of it.
inline constexpr long DataUnspecified = -2147467259;
} // namespace ErrorNumber

// Why the account could not take a change, for the message the user reads; the error's
// description keeps the engine's own words for diagnostics.
enum class AccountFailure {
    None,
    Busy,        // another program is changing the account
    NotWritten,  // the disk refused the write or is full
    ReadOnly,    // the file or its folder can only be read
    Unreachable, // the account's server cannot be reached, or the connection to it was lost
};

// A recoverable error with the host language's number, description and source.
// Components raise it; procedures that run under continue-on-error catch it per step.
class Error : public std::runtime_error
{
public:
    Error(long number, const std::string &description, std::string source = {});

    long number() const { return m_number; }
    const std::string &description() const { return m_description; }
    const std::string &source() const { return m_source; }

    static Error typeMismatch();
    static Error overflow();

    // The account could not take a change: another program holds it, or it can only be
    // read. The change was not made.
    static Error accountUnavailable(AccountFailure why, long number, const std::string &description,
                                    std::string source = {});
    bool isAccountUnavailable() const { return m_accountFailure != AccountFailure::None; }
    AccountFailure accountFailure() const { return m_accountFailure; }

private:
    long m_number;
    AccountFailure m_accountFailure = AccountFailure::None;
    std::string m_description;
    std::string m_source;
};

// Runs one step of a procedure that continues on error: an Error the step raises (the
// failures a step may expect: a missing component, a database error, a conversion) is
// swallowed and reported only through the result (true when the step completed). Any
// other exception is a programming error and goes on to the caller.
bool tryStep(const std::function<void()> &step);

// The last error a step swallowed that said the account was unavailable: a change the
// user takes as made was not. Whoever tells the user takes it (and so clears it): the
// script after each line, the window after each action, a command at its end.
std::optional<Error> takeSwallowedAccountError();

} // namespace orvan::base
