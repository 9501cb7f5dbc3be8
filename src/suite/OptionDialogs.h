#pragma once

#include "base/Object.h"

// The option dialogs of other modules that the maintenance window opens. Each shows its
// values from t_SystemProfile and stores them there on OK, named after the option key
// the dialog belongs to (key + "_IssueFinished", ...), under that key's category.
namespace orvan::suite {

// "OrvanBackFlush.clsParamOption": ShowOption(Key As String) As Boolean, the details of
// a production option (closing conditions, reporting order, issue warehouse, piece-rate
// import, operation mapping). The category is the key's in t_SystemProfile ("SH" when
// absent); a key without details raises error 5.
base::ObjectPtr makeBackFlushParamOption();

// "OrvanLPParamSet.CParamOption": ShowOption(Key As String) As Boolean, the details of
// the kanban option AutoTranOrvanBill (category as above, "LP" when absent).
base::ObjectPtr makeKanbanParamOption();

// "OrvanSysSetExt.cSuitControlSetter": Show(Settings As Object) As Boolean, the kit check
// of an issue option; Settings is a dictionary with "Category" ("IC" when empty) and
// "Key" (required).
base::ObjectPtr makeSuitControlSetter();

// "OrvanMrpOption.CBomEOption": Show(Key As String, Group As Integer) As Boolean, the BOM
// options named after Key ("BomEOption" when empty); the category is the one the option
// group defines the key under in icsystemprofile ("IC" when absent).
base::ObjectPtr makeBomOptionDialog();

// "OrvanShortageWarning.clsShowForm": Show(Settings As Object) As Boolean, the shortage
// warning settings; Settings is a dictionary with "Category" ("IC" when empty) and "Key"
// ("ShortageWarningSet" when empty).
base::ObjectPtr makeShortageWarningDialog();

} // namespace orvan::suite
