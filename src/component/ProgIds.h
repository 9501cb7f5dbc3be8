#pragma once

// ProgIDs of the outside components this library creates.
namespace orvan::component::ProgId {
inline constexpr const char *Connection = "OrvanConnection.AppConnection";
inline constexpr const char *Rights = "LedgerView.GLData";
inline constexpr const char *SharedProps = "PropStore.ShareProps";
inline constexpr const char *Help = "OrvanCHMResTool.ClsCHMHelp";
inline constexpr const char *StringLoader = "OrvanRESLOADER.Loader";
inline constexpr const char *FormResLoader = "FormRes.FormResLoader";
} // namespace orvan::component::ProgId
