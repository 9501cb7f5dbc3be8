#include "billcode/ClassBillInfo.h"

#include "base/Error.h"
#include "base/Text.h"
#include "billcode/RuleColumns.h"
#include "component/BillCodeComponents.h"
#include "component/ComponentRegistry.h"
#include "component/LoginContext.h"
#include "component/ProcessState.h"
#include "component/Translation.h"
#include "db/SqlText.h"

namespace orvan::billcode {
namespace {

constexpr int32_t NoSerialBasisBit = 0x2000;
constexpr int32_t NoCheckAfterSaveBit = 0x1000;

// The rows of a query through a fresh class-information component; null when it fails.
db::RecordsetPtr classData(const std::string &sql)
{
    try {
        auto info =
            component::ComponentRegistry::instance().createAs<component::ClassInfoComponent>(
                component::ProgId::ClassInfo);
        return info->GetData(component::processState().connectString, sql);
    } catch (const base::Error &) {
        return nullptr;
    }
}

std::string loginLanguage()
{
    try {
        return component::ScanLoginProp("LANGUAGE");
    } catch (const std::exception &) {
        return {};
    }
}

int32_t numberOf(const base::Variant &value)
{
    return value.isNull() || value.isEmpty() ? 0 : value.toLong();
}

} // namespace

std::string classFieldCaptionColumn()
{
    if (base::upperCase(loginLanguage()) == "CHS")
        return "FCaption_CHS";
    return component::LanguageColumn("FCaption");
}

std::string classFieldSql(int32_t billId, const std::string &captionColumn)
{
    return " SELECT " + captionColumn +
           ",FKey,FFieldName FROM ICClassTableInfo WHERE FClassTypeID = " + db::sqlNumber(billId) +
           " AND FPage = 1 AND \r\n ((FSourceType = 0 AND FCtlType = 1 AND FKeyWord = '') OR "
           "(FSourceType = 0 AND FCtlType = 3 AND FKeyWord = '')  OR (FSourceType = 0 AND "
           "FCtlType = 1 AND FKeyWord = 'SRCBILLNO') ) Order by FTabIndex \r\n";
}

std::vector<ClassBillField> classBillFields(int32_t billId)
{
    std::vector<ClassBillField> fields;
    if (billId < ClassBillFirstId)
        return fields;
    const std::string captionColumn = classFieldCaptionColumn();
    const std::string storedColumn = "FCaption_CHS";
    const bool stored = captionColumn == storedColumn;
    auto rows = classData(
        classFieldSql(billId, stored ? captionColumn : captionColumn + "," + storedColumn));
    for (; rows && !rows->isEOF(); rows->MoveNext()) {
        const auto caption = rows->Fields(captionColumn).Value().text();
        fields.push_back({caption, rows->Fields("FKey").Value().text(),
                          stored ? caption : rows->Fields(storedColumn).Value().text()});
    }
    return fields;
}

bool serialBasisHidden(int32_t billId)
{
    auto rows =
        classData("SELECT ISNULL(FControl,0) FROM ICClassType where FID=" + db::sqlNumber(billId));
    if (!rows || rows->isEOF())
        return billId >= ClassBillFirstId;
    return (numberOf(rows->Fields(0).Value()) & NoSerialBasisBit) != 0;
}

bool checkAfterSaveApplies(int32_t billId)
{
    auto rows = classData("SELECT FID,FControl FROM ICClassType where FBillTypeId=3 AND FID NOT IN "
                          "(1002502,1002500,1002503,1002504,1002505,1002506,1002507,1002508,"
                          "1002509,1002510,1002511,1002512) ");
    for (; rows && !rows->isEOF(); rows->MoveNext()) {
        if (numberOf(rows->Fields("FID").Value()) == billId)
            return (numberOf(rows->Fields("FControl").Value()) & NoCheckAfterSaveBit) == 0;
    }
    return true;
}

} // namespace orvan::billcode
