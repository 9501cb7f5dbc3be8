#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "forms/Controls.h"
#include "forms/Form.h"

namespace orvan::component {

// Window names of the option dialogs of other modules.
namespace OptionDialogForm {
inline constexpr const char *BackFlush = "frmBackFlushOption";
inline constexpr const char *Kanban = "frmKanbanOption";
inline constexpr const char *SuitControl = "frmSuitControlSetter";
inline constexpr const char *BomOptions = "frmBomOption";
inline constexpr const char *ShortageWarning = "frmShortageWarning";
} // namespace OptionDialogForm

// A whole number the user enters in an option dialog, kept within its limits.
struct NumberBox
{
    std::string name;
    std::string caption;
    int32_t value = 0;
    int32_t minimum = 0;
    int32_t maximum = 0;
    bool enabled = true;
};

// An option dialog of another module: check boxes and whole numbers under a caption,
// OK to keep the values shown and Cancel to leave.
//
// Driving it as a user does: setChecked(name, on), setNumber(name, value), then
// press(OkKey) or press(CancelKey); accepted() tells whether OK closed it.
class OptionDetailForm : public forms::Form
{
public:
    static constexpr const char *OkKey = "OK";
    static constexpr const char *CancelKey = "Cancel";

    explicit OptionDetailForm(std::string name);

    std::string formName() const override { return m_name; }

    // Sets a check box; false when there is none of that name or it is disabled.
    bool setChecked(std::string_view name, bool checked);
    // Sets a number; false, the value kept, when there is none of that name, it is
    // disabled or the value lies outside its limits.
    bool setNumber(std::string_view name, int32_t value);
    // OK accepts the values shown, Cancel leaves them; false for another key or once
    // the dialog closed.
    bool press(std::string_view key);
    bool accepted() const { return m_accepted; }

    const forms::CheckBox *checkBox(std::string_view name) const;
    const NumberBox *number(std::string_view name) const;

    std::vector<forms::CheckBox> checkBoxes;
    std::vector<NumberBox> numbers;
    std::vector<forms::CommandButton> buttons;

private:
    std::string m_name;
    bool m_accepted = false;
};

} // namespace orvan::component
