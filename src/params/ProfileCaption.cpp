#include "params/ProfileCaption.h"

#include <array>
#include <optional>

#include "base/Convert.h"
#include "component/Translation.h"
#include "params/ProfileFlags.h"

namespace orvan::params {
namespace {

using component::TextKey;

const std::array<ProfileKeyCaption, 37> KeyCaptions = {{
    {"CompanyName", TextKey("公司名称")},
    {"CompanyAddress", TextKey("公司地址")},
    {"CompanyTax", TextKey("公司税务登记号")},
    {"CompanyYHAccount", TextKey("公司开户银行")},
    {"FBrNo", TextKey("公司代码")},
    {"SystemName", TextKey("系统名称")},
    {"PrecisionOfDiscountRate", TextKey("折扣率精度位数")},
    {"CompanyNameEn", TextKey("公司英文名称")},
    {"CompanyAddressEn", TextKey("公司英文地址")},
    {"CompanyContact", TextKey("联系人")},
    {"CompanyPhone", TextKey("电话")},
    {"CompanyFax", TextKey("传真")},
    {"CompanyPostalCode", TextKey("邮编")},
    {"CompanyEmail", "EMAIL"},
    {"CompanyWebsite", TextKey("网址")},
    {"CompanyBankAccout", TextKey("银行账号")},
    {"CompanyHSCode", TextKey("海关注册码")},
    {"FBWB", TextKey("记账本位币")},
    {"PeriodCount", TextKey("会计年度期间个数")},
    {"StartYear", TextKey("启用会计年度")},
    {"StartPeriod", TextKey("启用会计期间")},
    {"CurrentYear", TextKey("当前会计年度")},
    {"CurrentPeriod", TextKey("当前会计期间")},
    {"BillStatus", TextKey("关账状态"), TextKey("未关账"), TextKey("已关账")},
    {"DisCivilExportSale", TextKey("是否区分内外销"), TextKey("否"), TextKey("是")},
    {"UPSTOCKWHENSAVE", TextKey("库存更新控制方式"), TextKey("单据审核后才更新"),
     TextKey("单据保存后立即更新")},
    {"AuditChoice", TextKey("核算方式"), TextKey("数量核算"), TextKey("数量、金额核算")},
    {"TaxRate", TextKey("增值税率")},
    {"SInvoiceDecimal", TextKey("专用发票精度")},
    {"PlanStartDate", TextKey("计划起始日期")},
    {"DaysPerTimeZone", TextKey("时区大小的天数")},
    {"DemandTimeLimit", TextKey("需求时界的时区")},
    {"TimeZoneCount", TextKey("展望区的时区数")},
    {"PlanTimeLimit", TextKey("计划时界的时区")},
    {"ProOfBeforeDemandLimit", TextKey("早于需求时界的累计未兑现预测处理策略")},
    {"PobValue1", TextKey("忽略不记")},
    {"PobValue0", TextKey("移至需求时界后的第一个时区")},
}};

constexpr std::string_view UntranslatedCaption = "EMAIL";

std::optional<double> numberOf(const base::Variant &value)
{
    if (value.isNull() || value.isEmpty())
        return std::nullopt;
    if (value.isNumberType())
        return value.toDouble();
    return base::parseNumber(value.text());
}

void noteFlags(std::string_view key)
{
    auto &flags = profileFlags();
    if (key == "FBWB")
        flags.showBaseCurrency = true;
    else if (key == "ProOfBeforeDemandLimit")
        flags.forecastStrategyRow = true;
    else if (key == "PobValue0" || key == "PobValue1")
        flags.forecastStrategyRow = false;
}

} // namespace

const ProfileKeyCaption *findProfileKeyCaption(std::string_view key)
{
    for (const auto &entry : KeyCaptions)
        if (key == entry.key)
            return &entry;
    return nullptr;
}

std::string ProfileCaption(std::string_view key, const base::Variant &value,
                           std::string &displayValue)
{
    displayValue = value.text();
    noteFlags(key);
    const auto *entry = findProfileKeyCaption(key);
    if (!entry)
        return std::string(key);
    if (entry->zeroValue) {
        if (const auto number = numberOf(value))
            displayValue =
                component::TranslateText(*number == 0 ? entry->zeroValue : entry->otherValue);
    }
    if (entry->caption == UntranslatedCaption)
        return entry->caption;
    return component::TranslateText(entry->caption);
}

} // namespace orvan::params
