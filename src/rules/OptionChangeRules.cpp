#include "rules/OptionChangeRules.h"

#include "base/Convert.h"
#include "base/Error.h"
#include "base/Text.h"
#include "component/ComponentRegistry.h"
#include "component/LoginContext.h"
#include "component/OutsideComponents.h"
#include "component/ProcessState.h"
#include "component/ProgIds.h"
#include "component/Translation.h"
#include "db/SqlText.h"
#include "forms/Messages.h"
#include "params/ProfileStore.h"

namespace orvan::rules {
namespace {

using component::TranslateText;

// A limit a key's value must keep, with the message shown when it does not.
struct RangeRule
{
    const char *key;
    double lowestAccepted; // values below are rejected
    bool lowestIncluded;   // the lowest value itself is accepted
    double highest;        // 0: no upper limit
    const char *message;
    bool maintainsRejection; // cleared on acceptance as well as set on rejection
    // A refusal holds the selection on the quality options until a valid value comes.
    // Only the quality page's own keys do: a refused value of another page is simply
    // not taken (the old one stays), and holding the user on a page that does not show
    // the key would leave every other page unusable.
    bool holdsSelection;
};

const RangeRule RangeRules[] = {
    {"QMCheckDecimal", 0, false, 10, "检验单套打检验项目精度设置必须在1-10之间！", false, true},
    {"SetCbRevertDecimal", 0, false, 10, "成本还原系数精度设置必须在1-10之间！", true, false},
    {"VideotexRefreshTime", 0, false, 0, "图形刷新时间(分钟)必须大于零！", true, false},
    {"MaxKanBanCount", 0, false, 0, "看板状态图每环路加载最大看板数必须大于零！", true, false},
    {"KBVediotexNotifyAutoHideTime", 0, true, 0, "图形看板异动通知停留时间(秒)必须大于等于零！",
     true, false},
    {"MaxLoopCount", 0, false, 0, "看板状态图每环路加载最大看板数必须大于零！", true, false},
};

void inform(const std::string &text, forms::Icon icon = forms::Icon::Information)
{
    forms::showMessage(component::messageTitle(), text, forms::Buttons::Ok, icon);
}

// Every batch goes through the process's connection; none raises error 424.
void execute(const std::string &batch)
{
    params::executeOnAccount(batch);
}

double readMark(const char *key)
{
    auto rows = component::requireConnection().Execute(
        "select FValue from t_systemprofile where FKey=" + db::sqlQuote(key) + " ");
    if (!rows || rows->isEOF())
        return 0;
    return rows->Fields("FValue").Value().toDouble();
}

base::ObjectPtr create(const char *progId)
{
    return component::ComponentRegistry::instance().create(progId);
}

} // namespace

OptionControlAccess::~OptionControlAccess() = default;

OptionChangeRules::OptionChangeRules(OptionControlAccess &control)
    : m_control(control)
{}

void OptionChangeRules::load()
{
    base::tryStep([this] { savedTotalMark = readMark("TotalEvaluateMark"); });
    base::tryStep([this] { savedPassMark = readMark("PassEvaluateMark"); });
    base::tryStep([this] {
        auto connection =
            component::ComponentRegistry::instance().createAs<component::ConnectionComponent>(
                component::ProgId::Connection);
        lpProfileRows = connection->Execute(
            "SELECT FCategory,FKey,FValue FROM T_SYSTEMPROFILE WHERE FCategory=" +
            db::sqlQuote("LP"));
    });
}

void routeNotifications(component::OptionProfileControl &control, OptionChangeRules &rules,
                        std::function<void()> afterCheck)
{
    auto after = [afterCheck = std::move(afterCheck)] {
        if (afterCheck)
            afterCheck();
    };
    component::OptionProfileEvents events;
    events.OptionChanging = [&rules, after](const std::string &key, const base::Variant &value,
                                            bool &cancel) {
        rules.OptionChanging(key, value, cancel);
        after();
    };
    events.OptionChanged = [&rules, after](const std::string &key, const base::Variant &value) {
        rules.OptionChanged(key, value);
        after();
    };
    events.OptionCommitted = [&rules](const std::string &key, const base::Variant &value) {
        rules.OptionCommitted(key, value);
    };
    events.BomOptionRequest = [&rules] { rules.BomOptionRequested(); };
    events.ShortageWarningRequest = [&rules](const base::ObjectPtr &request) {
        rules.ShortageWarningRequested(request);
    };
    events.OptionSwitched = [&rules](int position, bool on) { rules.OptionSwitched(position, on); };
    control.setEvents(std::move(events));
}

void OptionChangeRules::reject(const char *message, bool &cancel)
{
    inform(TranslateText(message));
    cancel = true;
}

bool OptionChangeRules::checkRange(const std::string &key, const base::Variant &value, bool &cancel)
{
    for (const auto &rule : RangeRules) {
        if (key != rule.key)
            continue;
        const double v = value.toDouble();
        const bool tooLow =
            rule.lowestIncluded ? v < rule.lowestAccepted : v <= rule.lowestAccepted;
        const bool tooHigh = rule.highest > 0 && v > rule.highest;
        if (tooLow || tooHigh) {
            reject(rule.message, cancel);
            if (rule.holdsSelection) {
                lastCheckRejected = true;
                m_rejectedKey = key;
            }
        } else if (rule.maintainsRejection || m_rejectedKey == key) {
            // A valid value for the key that was refused ends the refusal, or the window
            // would keep sending the user back to the quality page.
            lastCheckRejected = false;
            m_rejectedKey.clear();
        }
        return true;
    }
    return false;
}

void OptionChangeRules::OptionChanging(const std::string &key, const base::Variant &value,
                                       bool &cancel)
{
    if (key == "PassEvaluateMark")
        checkPassMark(value, cancel);
    else if (key == "TotalEvaluateMark") {
        if (lastCheckRejected)
            cancel = true;
    } else if (key == "EnableEcnRight")
        checkEcnRight(value, cancel);
    else if (key == "EnableECNVersionBOM" || key == "HideDisabledMaterial") {
        if (value.toDouble() == 1 && m_control.currentValue("EnableEcnRight").toDouble() == 0)
            reject("必须先启用工程变更管理！", cancel);
    } else if (key == "Item4Name")
        checkItem4Name(cancel);
    else if (key == "FSCRAP_FORMULA")
        create(component::ProgId::PPBom)
            ->invoke("FSCRAP_FORMULA_Change", base::InvokeKind::Method,
                     {base::Variant(value.toLong())});
    else if (key == "ApplyMapInPurchase")
        create(component::ProgId::QualityDataUpdate)
            ->invoke("Refresh", base::InvokeKind::Method,
                     {base::Variant(component::LoginPropsString())});
    else if (key == "AlarmSystemSwitch")
        checkAlarmSwitch(value, cancel);
    else
        checkRange(key, value, cancel);
}

void OptionChangeRules::checkPassMark(const base::Variant &value, bool &cancel)
{
    lastCheckRejected = false;
    const double total = m_control.currentValue("TotalEvaluateMark").toDouble();
    const double pass = value.toDouble();
    if (total <= 0 || pass <= 0) {
        skipMarkRecheck = true;
        reject(pass <= 0 ? "供应商评估及格分必须大于0,请更正！"
                         : "供应商评估总分必须大于0,请更正！",
               cancel);
        lastCheckRejected = true;
        return;
    }
    if (pass > total) {
        skipMarkRecheck = true;
        reject("供应商评估总分不能小于及格分,请更正！", cancel);
        lastCheckRejected = true;
        return;
    }
    if (pass != savedPassMark) {
        inform(TranslateText("供应商评估及格分改变，供应商评估方案和评估分数将重新计算！"));
        savedPassMark = pass;
        execute(passMarkSql(pass));
    }
    if (total != savedTotalMark) {
        inform(TranslateText("供应商评估总分改变，供应商评估方案和评估分数将重新计算！"));
        savedTotalMark = total;
        execute(totalMarkSql(total));
    }
}

void OptionChangeRules::checkItem4Name(bool &cancel)
{
    const bool english = base::upperCase(component::ScanLoginProp("Language")) == "EN";
    const int limit = english ? 11 : 2;
    const auto name = m_control.currentValue("Item4Name").text();
    if (base::charCount(name) > static_cast<std::size_t>(limit)) {
        inform(component::FormatText(english ? "替换存货名称的字符长度不能大于%1！"
                                             : "替换存货名称的字符长度不能大于%1个汉字！",
                                     {base::Variant(limit)}));
        cancel = true;
    }
    if (base::charCount(base::trim(name)) < 1)
        reject("替换存货名称的字符长度不能为空！", cancel);
}

void OptionChangeRules::checkEcnRight(const base::Variant &value, bool &cancel)
{
    const auto props = base::Variant(component::LoginPropsString());
    if (value.toDouble() == 0 && create(component::ProgId::BomView)
                                     ->invoke("ExistsEcnBill", base::InvokeKind::Method, {props})
                                     .toBool()) {
        reject("系统已存在工程变更单，不能取消该参数！", cancel);
        return;
    }
    if (create(component::ProgId::BomUpdate)
            ->invoke("SetVisibelBySysProfile", base::InvokeKind::Method, {props, value})
            .toBool())
        cancel = false;
}

void OptionChangeRules::checkAlarmSwitch(const base::Variant &value, bool &cancel)
{
    if (!alarmSwitchStored)
        return;
    bool found = base::tryStep([] { create(component::ProgId::KanbanAlarmRelease); });
    if (!found)
        inform(TranslateText("没有找到相关看板管理安装文件，请确认安装了Orvan看板管理模块！"),
               forms::Icon::Warning);
    // A missing kanban module refuses the switch every time, not only the first time:
    // the stored row the switch stands for is still there.
    cancel = !found;
    if (!found)
        return;
    if (value.toDouble() == 0) {
        const bool canClose = create(component::ProgId::KanbanAlarmRelease)
                                  ->invoke("IsCanCloseAlarmSystem", base::InvokeKind::Method,
                                           {base::Variant(component::LoginPropsString())})
                                  .toBool();
        if (!canClose) {
            reject("当前系统存在换模或报警状态的生产单元，不允许关闭！", cancel);
            lastCheckRejected = true;
            return;
        }
    }
    lastCheckRejected = false;
}

} // namespace orvan::rules
