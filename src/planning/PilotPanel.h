#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "component/SysEnum.h"
#include "forms/Form.h"

namespace orvan::component {
class clsDelPlan;
}

namespace orvan::planning {

// The small modal panel that cleans or re-times the forecast plans. Activation starts
// the pass of its clsDelPlan; the panel follows the pass's events (label, progress bar,
// picture) and, when told of an adjustment, runs the account's "AdjustForePlans" while
// its animation plays. The end of the pass closes the panel.
class PilotPanel : public forms::Form
{
public:
    // Heights in twips of the panel and its frame; an adjustment hides the bar and
    // takes both 500 twips smaller.
    static constexpr int PanelHeight = 2160;
    static constexpr int FrameHeight = 1560;
    static constexpr int BarRoom = 500;

    // How the pass went, for callers that report it (the panel itself only shows it).
    enum class Outcome {
        Unfinished, // the pass stopped before its end (a deletion failed; nothing deleted)
        Done,       // the pass ended; an adjustment succeeded
        Failed,     // the pass ended, but the adjustment failed or was refused
    };

    PilotPanel();
    ~PilotPanel() override;

    std::string formName() const override { return "PilotPanel"; }
    void load() override;
    void activate() override;
    void unload() override;

    void ifAdjust(bool value);
    void AdjustType(int32_t value) { m_adjustType = value; }

    // What the view shows.
    const std::string &labelText() const { return m_label; }
    const forms::ProgressBar &progressBar() const { return m_bar; }
    // True once the pass has set the bar's range.
    bool barStarted() const { return m_barStarted; }
    int pictureImage() const { return m_pictureImage; } // 1 adjustment, 2 deletion
    bool pictureVisible() const { return m_pictureVisible; }
    bool animationVisible() const { return m_animationVisible; }
    bool animationRunning() const { return m_animationRunning; }
    const std::string &animationFile() const { return m_animationFile; }
    int panelHeight() const { return m_panelHeight; }
    int frameHeight() const { return m_frameHeight; }
    Outcome outcome() const { return m_outcome; }
    // Why the pass stopped or the adjustment failed ("" when it did not).
    const std::string &failure() const { return m_failure; }

    // The events of the pass, as the panel handles them.
    void onSetLabel(const std::string &info);
    void onSetBarMax(int16_t max);
    void onSetBarVal(int16_t val);
    void onSetAdjustImage(bool adjust);
    void onEndBar();

private:
    void runAdjustment();
    void stopOnFailedDeletion(const std::string &reason);
    void startAnimation();
    void stopAnimation();

    std::shared_ptr<component::clsDelPlan> m_plan;
    base::ObjectPtr m_sink;
    int32_t m_adjustType = component::ByPlanStartDate;
    std::string m_label;
    forms::ProgressBar m_bar{0, 100, 0, true};
    bool m_barStarted = false;
    int m_pictureImage = 2;
    bool m_pictureVisible = true;
    bool m_animationVisible = false;
    bool m_animationRunning = false;
    std::string m_animationFile;
    int m_panelHeight = PanelHeight;
    int m_frameHeight = FrameHeight;
    Outcome m_outcome = Outcome::Unfinished;
    bool m_adjustmentFailed = false;
    std::string m_failure;
};

// The file the panel plays while an adjustment runs.
std::string adjustmentAnimationPath();

// Shows the panel modally for one pass: deletion (adjust false), or adjustment by the
// given type (component::ByPlanStartDate or component::ByTZCount). This is what the
// plan-parameter page calls after a change that invalidates the plans; it returns when
// the panel has closed, with how the pass went.
PilotPanel::Outcome runForecastPanel(bool adjust, int32_t adjustType = component::ByPlanStartDate);

} // namespace orvan::planning
