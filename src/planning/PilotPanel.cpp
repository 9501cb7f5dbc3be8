#include "planning/PilotPanel.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "base/DataFiles.h"
#include "base/Error.h"
#include "component/ComponentRegistry.h"
#include "component/OutsideComponents.h"
#include "component/ProcessState.h"
#include "component/ProgIds.h"
#include "component/Translation.h"
#include "component/clsDelPlan.h"
#include "forms/Messages.h"
#include "forms/Shell.h"

namespace orvan::planning {
namespace {

// Hands the pass's events to the panel.
class PanelEvents : public component::clsDelPlanEvents
{
public:
    explicit PanelEvents(PilotPanel &panel)
        : m_panel(panel)
    {}
    void SetBarMax(int16_t max) override { m_panel.onSetBarMax(max); }
    void SetBarVal(int16_t val) override { m_panel.onSetBarVal(val); }
    void SetLabel(const std::string &info) override { m_panel.onSetLabel(info); }
    void SetAdjustImage(bool adjust) override { m_panel.onSetAdjustImage(adjust); }
    void EndBar() override { m_panel.onEndBar(); }

private:
    PilotPanel &m_panel;
};

// A connection of its own on the login's connection string, for the adjustment.
std::shared_ptr<component::ConnectionComponent> openAdjustmentConnection()
{
    auto connection =
        component::ComponentRegistry::instance().createAs<component::ConnectionComponent>(
            component::ProgId::Connection);
    connection->Open(component::processState().connectString);
    return connection;
}

// Runs "AdjustForePlans"; true when it reports success in @Succeed (a missing value
// raises a type mismatch, which counts as an error of the adjustment). reason takes
// the procedure's @Reason.
bool adjustForePlans(component::ConnectionComponent &connection, int32_t adjustType,
                     std::string &reason)
{
    std::vector<db::ProcedureParameter> parameters{
        {"@ByType", db::ParameterDirection::Input, base::Variant(static_cast<int16_t>(adjustType))},
        {"@Succeed", db::ParameterDirection::Output, {}},
        {"@Reason", db::ParameterDirection::Output, {}},
    };
    connection.callProcedure("AdjustForePlans", parameters);
    reason = parameters[2].value.text();
    return parameters[1].value.toDouble() != 0;
}

// The demands derived from the old plans no longer fit the adjusted ones.
void clearPlanDemands()
{
    component::requireConnection().Execute("DELETE PLMPSReq");
}

// The adjustment, the demands it makes stale and its history row are one change: saved
// together, or nothing of them when the adjustment fails.
bool adjustAndClearDemands(component::ConnectionComponent &connection, int32_t adjustType,
                           std::string &reason)
{
    connection.BeginTrans();
    try {
        const int64_t before = connection.rowsChanged();
        if (!adjustForePlans(connection, adjustType, reason)) {
            connection.RollbackTrans();
            return false;
        }
        clearPlanDemands();
        connection.recordSummary(
            "forecast plans", adjustType == 0 ? "adjust by start" : "adjust by count",
            std::to_string(connection.rowsChanged() - before) + " rows changed");
        connection.CommitTrans();
        return true;
    } catch (...) {
        connection.RollbackTrans();
        throw;
    }
}

} // namespace

std::string adjustmentAnimationPath()
{
    return base::dataFilePath("images/cal.gif");
}

PilotPanel::PilotPanel()
    : m_plan(std::make_shared<component::clsDelPlan>())
    , m_sink(std::make_shared<PanelEvents>(*this))
{
    m_plan->advise(m_sink);
}

PilotPanel::~PilotPanel()
{
    if (m_plan)
        m_plan->unadvise(m_sink);
}

void PilotPanel::ifAdjust(bool value)
{
    m_plan->ifAdjust(value);
}

void PilotPanel::load()
{
    caption = component::TranslateText("主生产计划预测方案");
}

void PilotPanel::activate()
{
    m_plan->CleanTablesOfPlan();
    if (!m_plan->failure().empty() && m_outcome == Outcome::Unfinished)
        stopOnFailedDeletion(m_plan->failure());
}

// The deletion stopped with nothing deleted: the user is told why and the panel closes
// rather than wait for an end that will not come.
void PilotPanel::stopOnFailedDeletion(const std::string &reason)
{
    m_failure = reason;
    notifyChanged();
    forms::showMessage(caption, reason, forms::Buttons::Ok, forms::Icon::Critical);
    close();
}

void PilotPanel::unload()
{
    if (m_plan)
        m_plan->unadvise(m_sink);
    m_plan.reset();
}

void PilotPanel::onSetLabel(const std::string &info)
{
    m_label = info;
    notifyChanged();
}

void PilotPanel::onSetBarMax(int16_t max)
{
    m_bar.max = max;
    m_barStarted = true;
    notifyChanged();
}

void PilotPanel::onSetBarVal(int16_t val)
{
    m_bar.value = val;
    notifyChanged();
}

void PilotPanel::onSetAdjustImage(bool adjust)
{
    m_pictureImage = adjust ? 1 : 2;
    m_bar.visible = !adjust;
    if (adjust) {
        m_panelHeight = PanelHeight - BarRoom;
        m_frameHeight = FrameHeight - BarRoom;
    }
    notifyChanged();
    if (adjust)
        runAdjustment();
}

void PilotPanel::onEndBar()
{
    if (m_animationRunning)
        stopAnimation();
    m_outcome = m_adjustmentFailed ? Outcome::Failed : Outcome::Done;
    close();
}

// Opens its connection, starts the animation, runs the procedure and, when it succeeded,
// clears the demands. Any error ends up as the error text on the panel.
void PilotPanel::runAdjustment()
{
    m_adjustmentFailed = true;
    try {
        const auto connection = openAdjustmentConnection();
        startAnimation();
        forms::shell().yield();
        std::string reason;
        const bool succeeded = adjustAndClearDemands(*connection, m_adjustType, reason);
        m_adjustmentFailed = !succeeded;
        m_failure = succeeded ? std::string() : reason;
        m_label = component::TranslateText(succeeded ? "调整主生产计划预测方案结束"
                                                     : "预测方案调整过程中出错");
    } catch (const std::exception &error) {
        m_failure = error.what();
        m_label = component::TranslateText("调整主生产计划预测方案出错");
    }
    notifyChanged();
}

// The animation takes the picture's place; without its file it stays off.
void PilotPanel::startAnimation()
{
    m_animationVisible = true;
    const auto path = adjustmentAnimationPath();
    std::error_code error;
    m_animationRunning = std::filesystem::is_regular_file(path, error);
    m_animationFile = m_animationRunning ? path : std::string();
    m_pictureVisible = !m_animationRunning;
    notifyChanged();
}

void PilotPanel::stopAnimation()
{
    m_animationRunning = false;
    m_animationVisible = false;
    m_pictureVisible = true;
    notifyChanged();
}

PilotPanel::Outcome runForecastPanel(bool adjust, int32_t adjustType)
{
    PilotPanel panel;
    panel.ifAdjust(adjust);
    panel.AdjustType(adjustType);
    forms::shell().runModal(panel);
    return panel.outcome();
}

} // namespace orvan::planning
