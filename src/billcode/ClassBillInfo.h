#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What the class-information component tells about a class bill (id 1000000 and up):
// the fields a number may be built from and the two control bits of ICClassType.
namespace orvan::billcode {

struct ClassBillField
{
    std::string caption;
    std::string key;           // FKey
    std::string storedCaption; // FCaption_CHS: the caption as the account stores it
};

// The caption column of the login's language: "FCaption_CHS" for "CHS" (any case),
// otherwise the language column of "FCaption".
std::string classFieldCaptionColumn();

// The query of the selectable head fields of a class bill.
std::string classFieldSql(int32_t billId, const std::string &captionColumn);

// The selectable fields in tab order; none for a bill below 1000000 or when the
// component gives no rows.
std::vector<ClassBillField> classBillFields(int32_t billId);

// Bit 0x2000 of the class's FControl; without a class row, whether it is a class bill.
bool serialBasisHidden(int32_t billId);

// False when the bill is a class bill of type 3 whose FControl has bit 0x1000 (the
// check-after-save option does not apply to it).
bool checkAfterSaveApplies(int32_t billId);

} // namespace orvan::billcode
