#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "editor/EditorPage.h"

namespace orvan::editor {

class RecordEditor;

// The planning parameters (keys of the "PL" category of t_SystemProfile), one per
// record: days per time zone, the demand and planning time fences, the plan start date,
// the number of time zones and the strategy for unconsumed forecasts before the demand
// time fence. Values are whole numbers except the start date (a date cell) and the
// strategy (a list of two choices, stored as 1 and 0).
//
// The save prompt checks a new value first: the fences must stay ordered (demand < plan
// < zone count, none 0), and while forecast plans exist the start date may only move by
// whole time zones. Saving tells what a change invalidates; a new zone size empties the
// forecast plans (the user may refuse), a new start date or zone count re-times them.
class PlanParameterPage : public EditorPage
{
public:
    enum class Parameter {
        Other,
        DaysPerTimeZone,
        DemandTimeLimit,
        PlanStartDate,
        PlanTimeLimit,
        TimeZoneCount,
        ForecastStrategy,
    };

    explicit PlanParameterPage(RecordEditor &editor);

    void setUp() override;
    void load(int row) override;
    void save() override;
    bool validateBeforeSave() override;
    // Number cells take digits and Backspace; the date cell also its separator "-"; the
    // strategy list takes only its own entries, which are chosen rather than typed.
    bool acceptsGridCharacter(int keyAscii) const override;
    // The checks of the save prompt; a refused value is replaced by the one in force.
    // The start date check for the start date, true for the others.
    bool checkPlanValue(const std::string &text);
    // The ordering of the time fences; shows why a value is refused (when errors are on).
    bool checkTimeZoneCounts(const std::string &text);
    bool checkPlanStartDate(const std::string &text);

    // The parameter a profile key names (case-insensitive).
    static Parameter parameterOf(const std::string &key);

private:
    Parameter currentParameter() const;
    void setUpValueCell(const std::string &caption);
    void showRecord(const std::string &caption, const std::string &value);
    void restoreValueCell();
    std::string valueToStore(Parameter parameter, const std::string &text) const;
    bool confirmChange(Parameter parameter, const std::string &stored);
    bool confirmNewZoneSize(const std::string &stored);
    void afterSave(Parameter parameter, const std::string &value);

    RecordEditor &m_editor;
    int32_t m_newValue = 0;
};

} // namespace orvan::editor
