#include "mainwindow/OverallOptions.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "base/Convert.h"
#include "base/Error.h"
#include "base/Text.h"
#include "component/ProcessState.h"
#include "component/Translation.h"
#include "forms/Messages.h"
#include "params/ProfileStore.h"
#include "rules/TemplateUpdates.h"

namespace orvan::mainwindow {
namespace {

using component::TextKey;
using component::TranslateText;

const char *const LineBreak = "\r\n";
const char *const StrictIssueKey = "mlv9";
const char *const AmountsInStockKey = "mlv4";
const char *const UnlinkedBillsMessage = TextKey(
    "存在着未审核且未关联生产任务单的生产领料或产品入库单，必须先使它们逐一关联上生产任务单！");

const std::vector<OverallOptionEntry> Entries = {
    {"mlv1", TextKey("期末结账时检查未记账的单据"), "IC", "CheckBillPosted"},
    {"mlv2", TextKey("审核人与制单人可为同一人"), "General", "SingleMan"},
    {"mlv3", TextKey("使用双计量单位"), "IC", "DoubleUnit"},
    {"mlv4", TextKey("金额在仓存可见"), "IC", "MoneyVisForStock"},
    {"mlv5", TextKey("采购订单单价默认为含税单价"), "IC", "POOrderTaxInPrice"},
    {"mlv6", TextKey("单据编号可手工录入"), "IC", "CanAlterBillNo"},
    {"mlv7", TextKey("基础资料录入与显示采用短代码"), "IC", "UseShortNumber"},
    {"mlv8", TextKey("录单时物料的仓存和默认仓库不一致时给予提示"), "IC", "AlertDiffStock"},
    {"mlv9", TextKey("严格按生产任务单生产发料与入库"), "IC", "StoredByOrder"},
    {"mlv10", TextKey("销售订单保存时自动更新价格管理资料"), "IC", "SEOrdPriBackFill"},
    {"mlv11", TextKey("单据打印前自动保存"), "IC", "SaveBeforePrint"},
    {"mlv12", TextKey("下达生产任务单时自动审核对应的生产投料单"), "IC", "PPBOMBoforeGetMaterial"},
    {"mlv13", TextKey("数量合计栏显示纯数量合计"), "IC", "SumAbsoluteQty"},
    {"mlv15", TextKey("处理销售订单时提供缺货预警功能"), "IC", "SEOrderOOSAlert"},
    {"mlv16", TextKey("单据操作权限控制到操作员组"), "IC", "CheckUserGroup"},
    {"mlv17", TextKey("暂估凭证冲回方式：选择为单到冲回，不选为月初一次冲回"), "IC", "ZanguMethod"},
    {"mlv18", TextKey("库存总数量高于或等于最高库存量时给予预警"), "IC", "UseHighInv"},
    {"mlv19", TextKey("库存总数量低于或等于最低库存量时给予预警"), "IC", "UseLowInv"},
    {"mlv20", TextKey("库存总数量低于或等于安全库存量时给予预警"), "IC", "UseSafeInv"},
    {"mlv21", TextKey("采购最高限价报警"), "IC", "AlertPOMaxPrice"},
    {"mlv22", TextKey("销售出库单审核后自动生成收料通知单"), "IC", "AutoCreatePOInStock"},
    {"mlv23", TextKey("若应收应付系统未结束初始化，则业务系统发票不允许保存"), "ARAP",
     "FRaiseError"},
    {"mlv25", TextKey("结转成本时红字库存单据取源单单价"), "IC", "ReGetSourceBillPrice"},
    {"mlv26", TextKey("金额在采购申请单选销售订单时可见"), "IC", "MoneyVisForRequestFromOrder"},
    {"mlv27", TextKey("销售订单单价默认为含税单价"), "IC", "SEOrderTaxInPrice"},
    {"mlv28", TextKey("与入库单相钩稽的采购发票审核时自动核销"), "IC", "ISPurchaseAutoHookBill"},
    {"mlv29", TextKey("与出库单相钩稽的销售发票审核时自动核销"), "IC", "ISSaleAutoHookBill"},
    {"mlv30", TextKey("已关闭的采购订单可以追加物料"), "IC", "POOrderCanAppendItem"},
    {"mlv31", TextKey("已关闭的销售订单可以追加物料"), "IC", "SEOrderCanAppendItem"},
    {"mlv32", TextKey("销售最低限价预警"), "IC", "AlertSELowPrice"},
    {"mlv34", TextKey("启用价格管理"), "IC", "ISUsePriceManage"},
    {"mlv35", TextKey("现购发票（费用发票）不传递到应付款系统"), "IC", "NoTransCInvoiceARP"},
    {"mlv36", TextKey("保存生产任务单时自动生成投料单"), "SH", "AutoPPBOMWSW"},
    {"mlv37", TextKey("下达生产任务单时自动审核工票"), "SH", "AutoCheckWorkBill"},
    {"mlv38", TextKey("采用多级审核"), "IC", "ISUseMultiCheck"},
    {"mlv39", TextKey("登录系统时，按信用期限对超期应收款进行预警"), "IC",
     "AlertOverCreditOnSystemLogin"},
    {"mlv40", TextKey("登录系统时，给与保质期预警"), "IC", "AlertKF"},
    {"mlv41", TextKey("在采购系统中使用物料对应表"), "IC", "ApplyMapInPurchase"},
    {"mlv42", TextKey("在仓存系统中使用物料对应表"), "IC", "ApplyMapInStock"},
    {"mlv43", TextKey("在销售系统中使用物料对应表"), "IC", "ApplyMapInSale"},
    {"mlv44", TextKey("对检验方式不为免检的物料允许不检查"), "IC", "AllowNoCheckForCheckItem"},
    {"mlv45", TextKey("收料通知单审核时自动生成检验单"), "", ""},
};

// The position of an entry in the state table: its number less one ("mlv45" is 44).
int positionOf(const OverallOptionEntry &entry)
{
    const std::string_view digits = std::string_view(entry.itemKey).substr(3);
    int number = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), number);
    return number - 1;
}

const OverallOptionEntry *entryOf(const std::string &itemKey)
{
    const auto found = std::find_if(Entries.begin(), Entries.end(),
                                    [&](const auto &entry) { return itemKey == entry.itemKey; });
    return found == Entries.end() ? nullptr : &*found;
}

const OverallOptionEntry *entryOfProfileKey(const std::string &key)
{
    const auto found = std::find_if(Entries.begin(), Entries.end(), [&](const auto &entry) {
        return *entry.profileKey && base::equalsNoCase(key, entry.profileKey);
    });
    return found == Entries.end() ? nullptr : &*found;
}

std::string quotedKeysOf(const char *category)
{
    std::string keys;
    for (const auto &entry : Entries) {
        if (std::string_view(entry.category) != category)
            continue;
        keys += std::string(keys.empty() ? "" : ",") + "'" + entry.profileKey + "'";
    }
    return keys;
}

} // namespace

const std::vector<OverallOptionEntry> &overallOptionEntries()
{
    return Entries;
}

std::string overallOptionsSql()
{
    std::string sql;
    for (const char *piece : {" select FKey,FValue from t_systemprofile ",
                              " where FKey IN('SingleMan') And FCategory='General' ", " Union ",
                              " select FKey,FValue from t_systemprofile "})
        sql += std::string(piece) + LineBreak;
    sql += " where (FKey IN('AuditChoice'," + quotedKeysOf("IC") + ") And FCategory='IC') " +
           LineBreak;
    sql += "    or (FKey='FRaiseError' And FCategory='ARAP') " + std::string(LineBreak);
    sql += "    or (FKey in ('AutoPPBOMWSW','AutoCheckWorkBill') And FCategory='SH') " +
           std::string(LineBreak);
    sql += "     order by FKey" + std::string(LineBreak);
    return sql;
}

void OverallOptions::fill(forms::CheckList &list)
{
    m_values.assign(Positions, 0);
    double auditChoice = 0;
    base::tryStep([&] {
        static const std::string sql = overallOptionsSql(); // the same text every open
        auto rows = params::executeOnAccount(sql);
        for (; rows && !rows->isEOF(); rows->MoveNext()) {
            const auto key = rows->Fields("FKey").Value().text();
            const auto value = rows->Fields("FValue").Value();
            if (base::equalsNoCase(key, "AuditChoice")) {
                auditChoice = base::parseNumber(value.text()).value_or(0);
            } else if (const auto *entry = entryOfProfileKey(key)) {
                const auto number = base::parseNumber(value.text()).value_or(0);
                m_values[static_cast<std::size_t>(positionOf(*entry))] =
                    static_cast<int>(std::lround(number));
            }
        }
    });
    list.items.clear();
    for (const auto &entry : Entries) {
        if (entry.itemKey == std::string_view(AmountsInStockKey) && auditChoice != 1)
            continue;
        list.items.push_back({entry.itemKey, TranslateText(entry.caption),
                              m_values[static_cast<std::size_t>(positionOf(entry))] != 0});
    }
}

bool OverallOptions::toggle(forms::CheckList &list, const std::string &itemKey, bool checked)
{
    const auto *entry = entryOf(itemKey);
    auto *item = list.item(itemKey);
    if (!entry || !item)
        return false;
    const bool strictIssue = itemKey == StrictIssueKey;
    if (strictIssue && checked && productionGuardRefuses()) {
        item->checked = false;
        return false;
    }
    item->checked = checked;
    const std::string value = checked ? "1" : "0";
    if (strictIssue)
        base::tryStep([&] { rules::SetSubcontractMustInput(value); });
    if (!*entry->profileKey)
        return true;
    base::tryStep([&] { params::UpsertProfileValue(entry->category, entry->profileKey, value); });
    if (itemKey == "mlv6")
        base::tryStep([&] { rules::SetLookupControlsEnabled(checked); });
    else if (itemKey == "mlv7")
        base::tryStep([&] { rules::SetLookupShortNumber(checked); });
    else if (itemKey == "mlv13")
        base::tryStep([&] { rules::SetEntryNeedCount(checked); });
    return true;
}

// Strict issue by production task needs every unapproved production issue and product
// receipt tied to a task first.
bool OverallOptions::productionGuardRefuses()
{
    bool refuses = false;
    base::tryStep([&] {
        auto rows = params::executeOnAccount(
            "select FBrNo from icstockbill where (FtranType=24 or FtranType=2) and Fstatus<1 "
            "and FSCBillInterID=0");
        refuses = rows && !rows->isEOF();
    });
    if (refuses)
        forms::showMessage(component::messageTitle(), TranslateText(UnlinkedBillsMessage),
                           forms::Buttons::Ok, forms::Icon::None);
    return refuses;
}

} // namespace orvan::mainwindow
