#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Dictionary.h"
#include "component/LanguageComponents.h"
#include "forms/Form.h"

namespace orvan::closing {

// The bill-closing window "frmShutBill": closes (关账) and reopens (反关账) the stock
// bills of the current inventory period, the state kept as the profile value
// IC/BillStatus ("1" = closed). Everything it reads and writes goes through the cost
// components ("ItemCostCalc.Common", "ItemCostCalc.CommonModify", "BillData.SavePosData",
// "CoreSvc.SystemProfile"); user-facing failures are message boxes, nothing is raised.
//
// Driving it from code as a user does: load(), then press(key) with a button key,
// keyDown(KeyCodeF1, 0) for help; buttons() and button(key) give what the user sees;
// closeRequested() tells when the window has ended, ReturnCode() what it returns.
class BillClosingDialog : public forms::Form, public component::TranslatableForm
{
public:
    // Button keys, in the order the window shows them.
    static constexpr const char *CloseKey = "Close";
    static constexpr const char *ReopenKey = "Reopen";
    static constexpr const char *ReconcileKey = "Reconcile";
    static constexpr const char *ExitKey = "Exit";

    // What the window returns after its reconciliation button.
    static constexpr int32_t ReconcileReturnCode = 118;
    // The F1 help topics: with standard costing started, and otherwise.
    static constexpr int32_t StandardCostHelpId = 2000122;
    static constexpr int32_t HelpId = 250213;

    BillClosingDialog();

    std::string formName() const override { return "frmShutBill"; }

    // Translates the texts, sets ReturnCode to 0, reads the period and shows the stored
    // state: Close enabled while the period is open, Reopen while it is closed.
    void load() override;
    // F1 shows the help topic; other keys do nothing.
    void keyDown(int keyCode, int shift) override;

    // Presses a button as the user clicks it. Returns false, doing nothing, when the key
    // (compared without regard to case) names no button, the button is disabled or
    // hidden, or the window has ended.
    bool press(std::string_view key);

    // The commands behind the buttons.
    void closeBills();
    void reopenBills();
    void reconcile();
    void leave();

    const std::vector<forms::CommandButton> &buttons() const { return m_buttons; }
    // The button with the key (without regard to case), or nullptr.
    const forms::CommandButton *button(std::string_view key) const;
    const std::string &explanation() const { return m_explanation; }
    const std::string &fontFamily() const { return m_fontFamily; }
    // "Close enabled", "Reopen disabled", ...: one line per button, in window order.
    std::string describeButtons() const;

    // The period the buttons act on, for the user: "2026年第12期（2026-12-01至2026-12-31）"
    // in the login's language; "" when the period could not be read.
    std::string periodText() const;
    // The question asked before Close or Reopen is carried out ("" for other keys or an
    // unknown period). The window asks it; scripts and the command line press directly.
    std::string confirmationOf(std::string_view key) const;

    // 0, or 118 after the reconciliation button.
    int32_t ReturnCode() const { return m_returnCode; }
    // The current period as "ItemCostCalc.Common" gave it when the window loaded; null
    // when it could not be read.
    const std::shared_ptr<base::Dictionary> &PeriodInfo() const { return m_periodInfo; }

    // The language resources' view of the window.
    void
    visitTexts(const std::function<void(component::FormTextKind, std::string &)> &visit) override;
    void setFontFamily(const std::string &family) override;

private:
    forms::CommandButton *findButton(std::string_view key);
    void showClosedState(bool closed);

    void closePeriod();
    void savePositionsWhenAsked(const std::string &props);
    std::optional<std::string> failedChecks(const std::string &props, const std::string &notGetCre,
                                            const std::string &notVer);
    bool checkUnverified(const std::string &props, std::string &message);
    bool checkWithoutVoucher(const std::string &props, std::string &message);
    void writeBillStatus(const std::string &props, const char *value);

    const base::Dictionary &period() const;
    std::string periodFilter() const;

    std::vector<forms::CommandButton> m_buttons;
    std::string m_explanation;
    std::string m_fontFamily;
    base::ObjectPtr m_formOptions;
    int32_t m_returnCode = 0;
    std::shared_ptr<base::Dictionary> m_periodInfo;
};

} // namespace orvan::closing
