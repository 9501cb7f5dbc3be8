#include "suite/OptionDialogs.h"

#include <memory>

#include "base/Dictionary.h"
#include "base/Error.h"
#include "base/Text.h"
#include "component/OptionDetailForm.h"
#include "component/Translation.h"
#include "db/SqlText.h"
#include "suite/LateBoundMembers.h"
#include "suite/OptionDialogComponent.h"

namespace orvan::suite {
namespace {

using component::TextKey;
using Arguments = std::vector<base::Variant>;

// A detail as suffix and caption; numbers carry their limits.
struct DetailDefinition
{
    const char *suffix;
    const char *caption;
    bool isNumber = false;
    int32_t minimum = 0;
    int32_t maximum = 0;
};

struct KeyDetails
{
    const char *key;
    std::vector<DetailDefinition> details;
};

const std::vector<DetailDefinition> ClosingDetails = {
    {"_IssueFinished", TextKey("领料全部完成后才能结案")},
    {"_StockInFinished", TextKey("完工入库全部完成后才能结案")},
};

const std::vector<KeyDetails> BackFlushDetails = {
    {"MO_CLOSEOPTION", ClosingDetails},
    {"SUBCONTRACTMO_CLOSEOPTION", ClosingDetails},
    {"StrictReportInOrder",
     {{"_LimitByPassQty", TextKey("汇报数量不能超过上道工序的合格数量")},
      {"_IncludeSubcontract", TextKey("委外工序也按顺序汇报")}}},
    {"ITEMSTOCK_FROMTYPE",
     {{"_FromBom", TextKey("优先取BOM中的发料仓库")},
      {"_FromItem", TextKey("BOM中没有时取物料的默认仓库")}}},
    {"JOBPAY_IMPORTOPTION",
     {{"_PassQtyOnly", TextKey("只引入合格数量")},
      {"_IncludeRework", TextKey("同时引入返修数量")}}},
    {"SFCOPERMAPPINGSCOPE",
     {{"_ByDepartment", TextKey("按部门对照工序")},
      {"_ByWorkCenter", TextKey("按工作中心对照工序")}}},
};

const std::vector<KeyDetails> KanbanDetails = {
    {"AutoTranOrvanBill",
     {{"_IssueBill", TextKey("自动生成领料单")},
      {"_TransferBill", TextKey("自动生成调拨单")},
      {"_AutoAudit", TextKey("生成的单据自动审核")}}},
};

const std::vector<DetailDefinition> SuitDetails = {
    {"_UseSubstitute", TextKey("齐套检查时考虑替代料")},
    {"_BlockShortage", TextKey("不齐套时禁止领料(否则只提示)")},
};

const std::vector<DetailDefinition> BomDetails = {
    {"_CheckLoop", TextKey("保存BOM时检查嵌套循环")},
    {"_AllowZeroQty", TextKey("允许用量为零的子项")},
    {"_DefaultScrapRate", TextKey("默认损耗率(%)"), true, 0, 100},
};

const std::vector<DetailDefinition> ShortageDetails = {
    {"_Enabled", TextKey("启用缺货预警")},
    {"_IncludeOnOrder", TextKey("可用数量包括在途数量")},
    {"_DaysAhead", TextKey("预警提前天数"), true, 0, 365},
};

[[noreturn]] void refuse(const std::string &text, const char *source)
{
    throw base::Error(base::ErrorNumber::InvalidProcedureCall, text, source);
}

OptionDialogLayout layoutOf(const char *formName, const char *caption, std::string category,
                            const std::string &key,
                            const std::vector<DetailDefinition> &definitions)
{
    OptionDialogLayout layout{formName, caption, std::move(category), {}};
    for (const auto &definition : definitions)
        layout.details.push_back({key + definition.suffix, definition.caption, definition.isNumber,
                                  definition.minimum, definition.maximum});
    return layout;
}

const std::vector<DetailDefinition> *detailsOf(const std::vector<KeyDetails> &table,
                                               const std::string &key)
{
    for (const auto &entry : table)
        if (base::equalsNoCase(entry.key, key))
            return &entry.details;
    return nullptr;
}

// The first value of a query, or fallback when it finds nothing or an empty value.
std::string firstText(component::ConnectionComponent &account, const std::string &sql,
                      const std::string &fallback)
{
    auto rows = account.Execute(sql);
    const auto value = rows && !rows->isEOF() ? rows->Fields(0).Value().text() : std::string();
    return value.empty() ? fallback : value;
}

std::string categoryOfKey(component::ConnectionComponent &account, const std::string &key,
                          const char *fallback)
{
    return firstText(account,
                     "SELECT FCategory FROM t_SystemProfile WHERE FKey=" + db::sqlQuote(key) +
                         " ORDER BY FCategory",
                     fallback);
}

// The dictionary a Show receives; another argument is a type mismatch.
std::shared_ptr<base::Dictionary> settingsOf(const base::Variant &argument)
{
    auto settings = std::dynamic_pointer_cast<base::Dictionary>(argument.objectValue());
    if (!settings)
        throw base::Error::typeMismatch();
    return settings;
}

std::string settingText(const base::Dictionary &settings, const char *name, const char *fallback)
{
    const auto value = base::trim(settings.value(name).text());
    return value.empty() ? fallback : value;
}

base::ObjectPtr makeKeyedDialog(const base::InterfaceInfo &info,
                                const std::vector<KeyDetails> &table, const char *formName,
                                const char *caption, const char *fallbackCategory,
                                const char *source)
{
    return std::make_shared<OptionDialogComponent>(
        info, [&table, formName, caption, fallbackCategory,
               source](component::ConnectionComponent &account, const Arguments &args) {
            const auto key = base::trim(args[0].text());
            const auto *details = detailsOf(table, key);
            if (!details)
                refuse("The option " + key + " has no detail settings", source);
            return layoutOf(formName, caption, categoryOfKey(account, key, fallbackCategory), key,
                            *details);
        });
}

base::InterfaceInfo showOptionInterface(const char *name)
{
    using namespace latebound;
    return {name,
            "",
            {method("ShowOption", 1, "Boolean", base::VarType::Boolean,
                    {param("Key", "String", base::VarType::String)})}};
}

base::InterfaceInfo showSettingsInterface(const char *name)
{
    using namespace latebound;
    return {name,
            "",
            {method("Show", 1, "Boolean", base::VarType::Boolean,
                    {param("Settings", "Object", base::VarType::Object)})}};
}

} // namespace

base::ObjectPtr makeBackFlushParamOption()
{
    static const auto info = showOptionInterface("_clsParamOption");
    return makeKeyedDialog(info, BackFlushDetails, component::OptionDialogForm::BackFlush,
                           TextKey("生产管理选项设置"), "SH", "OrvanBackFlush.clsParamOption");
}

base::ObjectPtr makeKanbanParamOption()
{
    static const auto info = showOptionInterface("_CParamOption");
    return makeKeyedDialog(info, KanbanDetails, component::OptionDialogForm::Kanban,
                           TextKey("看板选项设置"), "LP", "OrvanLPParamSet.CParamOption");
}

base::ObjectPtr makeSuitControlSetter()
{
    static const auto info = showSettingsInterface("_cSuitControlSetter");
    return std::make_shared<OptionDialogComponent>(
        info, [](component::ConnectionComponent &, const Arguments &args) {
            const auto settings = settingsOf(args[0]);
            const auto key = settingText(*settings, "Key", "");
            if (key.empty())
                refuse("The kit check settings need the option key",
                       "OrvanSysSetExt.cSuitControlSetter");
            return layoutOf(component::OptionDialogForm::SuitControl, TextKey("齐套检查设置"),
                            settingText(*settings, "Category", "IC"), key, SuitDetails);
        });
}

base::ObjectPtr makeBomOptionDialog()
{
    using namespace latebound;
    static const base::InterfaceInfo info{
        "_CBomEOption",
        "",
        {method("Show", 1, "Boolean", base::VarType::Boolean,
                {param("Key", "String", base::VarType::String),
                 param("Group", "Integer", base::VarType::Integer)})}};
    return std::make_shared<OptionDialogComponent>(
        info, [](component::ConnectionComponent &account, const Arguments &args) {
            auto key = base::trim(args[0].text());
            if (key.empty())
                key = "BomEOption";
            const auto category =
                firstText(account,
                          "SELECT FCategory FROM icsystemprofile WHERE FID=" +
                              db::sqlNumber(args[1].toInteger()) + " AND FKey=" + db::sqlQuote(key),
                          "IC");
            return layoutOf(component::OptionDialogForm::BomOptions, TextKey("BOM选项"), category,
                            key, BomDetails);
        });
}

base::ObjectPtr makeShortageWarningDialog()
{
    static const auto info = showSettingsInterface("_clsShowForm");
    return std::make_shared<OptionDialogComponent>(
        info, [](component::ConnectionComponent &, const Arguments &args) {
            const auto settings = settingsOf(args[0]);
            return layoutOf(component::OptionDialogForm::ShortageWarning, TextKey("缺货预警设置"),
                            settingText(*settings, "Category", "IC"),
                            settingText(*settings, "Key", "ShortageWarningSet"), ShortageDetails);
        });
}

} // namespace orvan::suite
