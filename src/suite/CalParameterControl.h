#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "component/OptionProfileControl.h"
#include "forms/Printer.h"

namespace orvan::suite {

class CostAccount;

// Which parameters a control keeps: t_CalParameter.FKind.
enum class CalParameterKind : int32_t {
    Inventory = 0, // "OrvanCalPara.ctrl": inventory accounting
    Cost = 1,      // "OrvanCalPara.ctrlCost": cost calculation
};

// The calculation-parameter controls of the maintenance window: the rows of
// t_CalParameter of one kind, captions and list items in the login's language, each value
// checked against its kind and limits before it is stored. The account is the one the
// login's property string names, opened for each load and each change. Nothing raises:
// failures are told in a message box and leave the stored values as they were.
class CalParameterControl : public component::CalculationParameterControl
{
public:
    explicit CalParameterControl(CalParameterKind kind);
    static std::shared_ptr<CalParameterControl> forInventory();
    static std::shared_ptr<CalParameterControl> forCost();

    void LoadParameters() override;
    void Preview() override;
    void Print() override;

    forms::OptionSheet &sheet() override { return m_sheet; }
    bool ChangeValue(const std::string &key, const std::string &typed) override;

private:
    void readRows(CostAccount &account);
    static bool isAccountNumber(const forms::OptionRow &row);
    static bool accountExists(const std::string &number);
    bool storeValue(const forms::OptionRow &row, const std::string &value);
    void printSheet(forms::PrintMode mode);
    void tell(const std::string &text);

    CalParameterKind m_kind;
    forms::OptionSheet m_sheet;
    bool m_loaded = false;
};

} // namespace orvan::suite
