#include "planning/PilotPanel.h"

#include <filesystem>

#include "base/DataFiles.h"
#include "base/Error.h"
#include "component/ComponentRegistry.h"
#include "component/OutsideComponents.h"
#include "component/ProcessState.h"
#include "component/ProgIds.h"
#include "component/Translation.h"
#include "component/clsDelPlan.h"
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

// Runs "AdjustForePlans" on a connection of its own; true when @Succeed is not 0.
bool adjustForePlans(int32_t adjustType)
{
    auto connection =
        component::ComponentRegistry::instance().createAs<component::ConnectionComponent>(
            component::ProgId::Connection);
    connection->Open(component::processState().g_strConnectString);
    std::vector<db::ProcedureParameter> parameters{
        {"@ByType", db::ParameterDirection::Input, base::Variant(static_cast<int16_t>(adjustType))},
        {"@Succeed", db::ParameterDirection::Output, {}},
        {"@Reason", db::ParameterDirection::Output, {}},
    };
    connection->callProcedure("AdjustForePlans", parameters);
    return parameters[1].value.toDouble() != 0;
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
    close();
}

void PilotPanel::runAdjustment()
{
    try {
        startAnimation();
        forms::shell().yield();
        const bool succeeded = adjustForePlans(m_adjustType);
        if (succeeded)
            component::processState().g_objConnection->Execute("DELETE PLMPSReq");
        m_label = component::TranslateText(succeeded ? "调整主生产计划预测方案结束"
                                                     : "预测方案调整过程中出错");
    } catch (const std::exception &) {
        m_label = component::TranslateText("调整主生产计划预测方案出错");
    }
    notifyChanged();
}

bool PilotPanel::startAnimation()
{
    m_animationVisible = true;
    const auto path = adjustmentAnimationPath();
    m_animationRunning = std::filesystem::exists(path);
    m_animationFile = m_animationRunning ? path : std::string();
    m_pictureVisible = !m_animationRunning;
    notifyChanged();
    return m_animationRunning;
}

void PilotPanel::stopAnimation()
{
    m_animationRunning = false;
    m_animationVisible = false;
    m_pictureVisible = true;
    notifyChanged();
}

void runForecastPanel(bool adjust, int32_t adjustType)
{
    PilotPanel panel;
    panel.ifAdjust(adjust);
    panel.AdjustType(adjustType);
    forms::shell().runModal(panel);
}

} // namespace orvan::planning
