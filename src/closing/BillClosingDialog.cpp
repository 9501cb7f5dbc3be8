#include "closing/BillClosingDialog.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <utility>

#include <fmt/format.h>

#include "component/AccountReason.h"

#include "base/Convert.h"
#include "base/Error.h"
#include "base/Text.h"
#include "component/ComponentRegistry.h"
#include "component/CostComponents.h"
#include "component/LoginContext.h"
#include "component/Translation.h"
#include "db/SqlText.h"
#include "forms/Messages.h"

namespace orvan::closing {
namespace {

using component::ComponentRegistry;
namespace ProgId = component::ProgId;

constexpr const char *LineBreak = "\r\n";
constexpr const char *ClosedStatus = "1";
constexpr const char *OpenStatus = "0";

// The reconciliation right.
constexpr int32_t ReconcileObject = 1011;
constexpr int32_t ReconcileRight = 34;
constexpr int32_t ReconcileMask = 0x100000;

template <class Component>
std::shared_ptr<Component> create(const char *progId)
{
    return ComponentRegistry::instance().createAs<Component>(progId);
}

void inform(const std::string &text)
{
    forms::showMessage(component::messageTitle(), text);
}

// A profile value of the inventory accounting ("" when the row is missing).
std::string readInventoryValue(const std::string &props, const char *key)
{
    std::string value;
    std::string description;
    int32_t readOnly = 0;
    create<component::CostCommonComponent>(ProgId::CostCommon)
        ->GetFValue(props, "IC", key, value, description, readOnly);
    return value;
}

bool isFlag(const std::string &value)
{
    return value == "0" || value == "1";
}

} // namespace

BillClosingDialog::BillClosingDialog()
{
    using component::TextKey;
    caption = TextKey("关账");
    m_explanation =
        TextKey("物流系统在期末结账前，需要对本期的出入库单据进行后续处理，如出入库核算，生成凭证，"
                "与财务系统对账等，但此时本期的出入库单据录入尚未截止，可能会造成对账结果的不确定，"
                "而通过关账功能可截止本期的出入库单据的录入,并通过选项控制其他相关处理，"
                "有利于为期末结账前的核算处理创造稳定的数据环境。");
    m_buttons = {
        {CloseKey, TextKey("关账(&S)"), TextKey("关账切换到反关账")},
        {ReopenKey, TextKey("反关账(&C)"), TextKey("反关账切换导关账")},
        {ReconcileKey, TextKey("对账(&V)"), TextKey("对账报表")},
        {ExitKey, TextKey("退出(&X)"), TextKey("退出关账反关账")},
    };
}

void BillClosingDialog::load()
{
    component::LoadFormTexts(*this, m_formOptions);
    component::SetFormFont(*this);
    m_returnCode = 0;

    // Without the period or the state the window still opens; Close then reports the
    // failure, Reopen needs neither.
    std::string props;
    base::tryStep([&] { props = component::LoginPropsString(); });
    base::tryStep([&] {
        m_periodInfo = create<component::CostCommonComponent>(ProgId::CostCommon)->GetDate(props);
    });
    std::string status;
    base::tryStep([&] { status = readInventoryValue(props, "BillStatus"); });
    showClosedState(base::trim(status) == ClosedStatus);
}

void BillClosingDialog::keyDown(int keyCode, int)
{
    if (keyCode != forms::KeyCodeF1)
        return;
    // Standard costing started: its own help topic. An unreadable profile counts as
    // not started.
    bool standardCost = false;
    base::tryStep([&] {
        const auto started =
            create<component::SystemProfileComponent>(ProgId::SystemProfile)
                ->GetProfile(component::LoginPropsString(), "StdCost", "StdCostStart");
        standardCost = base::val(started) == 1;
    });
    component::ShowHelp(keyCode, standardCost ? StandardCostHelpId : HelpId, "", 0, "", 0);
}

bool BillClosingDialog::press(std::string_view key)
{
    const auto *pressed = button(key);
    if (!pressed || !pressed->enabled || !pressed->visible || closeRequested())
        return false;
    const std::string name = pressed->key;
    if (name == CloseKey)
        closeBills();
    else if (name == ReopenKey)
        reopenBills();
    else if (name == ReconcileKey)
        reconcile();
    else
        leave();
    return true;
}

void BillClosingDialog::closeBills()
{
    try {
        closePeriod();
    } catch (const std::exception &error) {
        inform(
            component::withAccountReason(component::TranslateText("系统错误，关账失败！"), error));
    }
}

void BillClosingDialog::reopenBills()
{
    try {
        writeBillStatus(component::LoginPropsString(), OpenStatus);
    } catch (const std::exception &error) {
        inform(component::withAccountReason(component::TranslateText("系统错误，反关账失败！"),
                                            error));
        return;
    }
    showClosedState(false);
    inform(component::TranslateText("反关账成功！"));
}

void BillClosingDialog::reconcile()
{
    bool granted = false;
    try {
        granted = component::CheckRight(ReconcileObject, ReconcileRight, ReconcileMask);
    } catch (const base::Error &error) {
        forms::showMessage(component::messageTitle(), component::userErrorText(error),
                           forms::Buttons::Ok, forms::Icon::Warning);
        return;
    }
    if (!granted)
        return;
    m_returnCode = ReconcileReturnCode;
    close();
}

void BillClosingDialog::leave()
{
    close();
}

// Close: the optional position save, the checks the two flags ask for, then the state.
void BillClosingDialog::closePeriod()
{
    const auto props = component::LoginPropsString();
    savePositionsWhenAsked(props);
    const auto notVer = readInventoryValue(props, "NotVerBillToClose");
    const auto notGetCre = readInventoryValue(props, "NotGetCreToClose");
    if (!isFlag(notGetCre) || !isFlag(notVer))
        return; // a missing or unknown flag: the command ends without a word
    if (const auto failure = failedChecks(props, notGetCre, notVer)) {
        // A refusal the user has to act on: the warning icon.
        forms::showMessage(component::messageTitle(),
                           *failure + LineBreak + component::TranslateText("关账失败!"),
                           forms::Buttons::Ok, forms::Icon::Warning);
        return;
    }
    writeBillStatus(props, ClosedStatus);
    showClosedState(true);
    inform(component::TranslateText("关账成功！"));
}

void BillClosingDialog::savePositionsWhenAsked(const std::string &props)
{
    if (readInventoryValue(props, "ICBillPos") != "1")
        return;
    create<component::SavePosDataComponent>(ProgId::SavePosData)
        ->PutinData(props, 0, periodFilter(), 0);
}

// The messages of the checks that found bills, or nothing when closing may go on.
// notGetCre "1" allows bills without vouchers, notVer "1" unverified bills.
std::optional<std::string> BillClosingDialog::failedChecks(const std::string &props,
                                                           const std::string &notGetCre,
                                                           const std::string &notVer)
{
    std::string verMessage;
    std::string creMessage;
    if (notGetCre == "1" && notVer == "1")
        return std::nullopt;
    if (notGetCre == "1") {
        if (checkUnverified(props, verMessage))
            return verMessage;
        return std::nullopt;
    }
    if (notVer == "1") {
        if (checkWithoutVoucher(props, creMessage))
            return creMessage;
        return std::nullopt;
    }
    const bool unverified = checkUnverified(props, verMessage);
    const bool withoutVoucher = checkWithoutVoucher(props, creMessage);
    if (unverified || withoutVoucher)
        return verMessage + LineBreak + creMessage;
    return std::nullopt;
}

bool BillClosingDialog::checkUnverified(const std::string &props, std::string &message)
{
    const auto &info = period();
    return create<component::CostCommonComponent>(ProgId::CostCommon)
        ->CheckCurVer(props, info.item("CurrentPeriod").toLong(), info.item("CurrentYear").toLong(),
                      info.item("BeginDate").text(), info.item("EndDate").text(), message);
}

bool BillClosingDialog::checkWithoutVoucher(const std::string &props, std::string &message)
{
    const auto &info = period();
    return create<component::CostCommonComponent>(ProgId::CostCommon)
        ->CheckCurCre(props, info.item("CurrentPeriod").toLong(), info.item("CurrentYear").toLong(),
                      info.item("BeginDate").text(), info.item("EndDate").text(), message);
}

void BillClosingDialog::writeBillStatus(const std::string &props, const char *value)
{
    create<component::CostCommonModifyComponent>(ProgId::CostCommonModify)
        ->ModifyFValue(props, "IC", "BillStatus", value);
}

namespace {

// The day before a "yyyy-mm-dd" date (the period's end is the first day after it); the
// text itself when it is no such date.
std::string dayBefore(const std::string &date)
{
    int year = 0;
    unsigned month = 0;
    unsigned day = 0;
    if (std::sscanf(date.c_str(), "%d-%u-%u", &year, &month, &day) != 3)
        return date;
    const std::chrono::year_month_day ymd{std::chrono::year{year}, std::chrono::month{month},
                                          std::chrono::day{day}};
    if (!ymd.ok())
        return date;
    const std::chrono::year_month_day before{std::chrono::sys_days{ymd} - std::chrono::days{1}};
    return fmt::format("{:04d}-{:02d}-{:02d}", static_cast<int>(before.year()),
                       static_cast<unsigned>(before.month()), static_cast<unsigned>(before.day()));
}

} // namespace

std::string BillClosingDialog::periodText() const
{
    if (!m_periodInfo)
        return {};
    const auto &info = *m_periodInfo;
    return component::FormatText("%1年第%2期（%3至%4）", info.item("CurrentYear").toLong(),
                                 info.item("CurrentPeriod").toLong(),
                                 info.item("BeginDate").text().substr(0, 10),
                                 dayBefore(info.item("EndDate").text().substr(0, 10)));
}

std::string BillClosingDialog::confirmationOf(std::string_view key) const
{
    const auto period = periodText();
    if (period.empty())
        return {};
    if (base::equalsNoCase(key, CloseKey))
        return component::FormatText("确定要关闭%1的出入库单据吗？", period);
    if (base::equalsNoCase(key, ReopenKey))
        return component::FormatText("确定要反关账%1吗？", period);
    return {};
}

const base::Dictionary &BillClosingDialog::period() const
{
    if (!m_periodInfo)
        throw base::Error(base::ErrorNumber::ObjectRequired, "The current period is unknown");
    return *m_periodInfo;
}

// The period's bills: from its first day up to (not including) EndDate.
std::string BillClosingDialog::periodFilter() const
{
    const auto &info = period();
    return "Where FDate>=" + db::sqlQuote(info.item("BeginDate").text()) + " AND FDate <" +
           db::sqlQuote(info.item("EndDate").text());
}

void BillClosingDialog::showClosedState(bool closed)
{
    findButton(CloseKey)->enabled = !closed;
    findButton(ReopenKey)->enabled = closed;
    notifyChanged();
}

const forms::CommandButton *BillClosingDialog::button(std::string_view key) const
{
    const auto found = std::find_if(m_buttons.begin(), m_buttons.end(), [key](const auto &entry) {
        return base::equalsNoCase(entry.key, key);
    });
    return found == m_buttons.end() ? nullptr : &*found;
}

forms::CommandButton *BillClosingDialog::findButton(std::string_view key)
{
    return const_cast<forms::CommandButton *>(std::as_const(*this).button(key));
}

std::string BillClosingDialog::describeButtons() const
{
    std::string lines;
    for (const auto &entry : m_buttons)
        lines += entry.key + (entry.enabled ? " enabled\n" : " disabled\n");
    return lines;
}

void BillClosingDialog::visitTexts(
    const std::function<void(component::FormTextKind, std::string &)> &visit)
{
    visit(component::FormTextKind::Caption, caption);
    visit(component::FormTextKind::Caption, m_explanation);
    for (auto &entry : m_buttons) {
        visit(component::FormTextKind::Caption, entry.caption);
        visit(component::FormTextKind::Caption, entry.toolTip);
    }
}

void BillClosingDialog::setFontFamily(const std::string &family)
{
    m_fontFamily = family;
}

} // namespace orvan::closing
