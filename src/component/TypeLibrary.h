#pragma once

#include "base/TypeInfo.h"

namespace orvan::component {

// Dispatch ids of the public classes' members.
namespace DispIds {
inline constexpr base::DispId SysFace_m_bPrintControl = 0x40030001;
inline constexpr base::DispId SysFace_ActiveCnnStr = 0x68030001;
inline constexpr base::DispId SysFace_Show = 0x60030002;
inline constexpr base::DispId SysFace_SystemID = 0x68030000;
inline constexpr base::DispId SysFace_GetOptionValue = 0x60030005;
inline constexpr base::DispId Interface_CloseBill = 0x60030000;
inline constexpr base::DispId clsDelPlan_CleanTablesOfPlan = 0x60030001;
inline constexpr base::DispId clsDelPlan_ifAdjust = 0x68030000;
inline constexpr base::DispId Event_SetBarMax = 1;
inline constexpr base::DispId Event_SetBarVal = 2;
inline constexpr base::DispId Event_SetLabel = 3;
inline constexpr base::DispId Event_SetAdjustImage = 4;
inline constexpr base::DispId Event_EndBar = 5;
} // namespace DispIds

// The type library "OrvanSysMaintain": classes, interfaces, events and enumerations.
const base::TypeLibraryInfo &typeLibrary();

// The class description of a public class by name ("SysFace", ...); must exist.
const base::ClassInfo &publicClass(const char *className);

} // namespace orvan::component
