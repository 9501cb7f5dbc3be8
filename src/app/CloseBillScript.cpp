#include "app/CloseBillScript.h"

#include <ostream>

#include "app/ScriptTarget.h"
#include "closing/BillClosingDialog.h"
#include "component/ComponentRegistry.h"
#include "component/Interface.h"
#include "component/ProgIds.h"
#include "forms/Form.h"

namespace orvan::app {
namespace {

class BillClosingTarget : public ScriptTarget
{
public:
    explicit BillClosingTarget(closing::BillClosingDialog &window)
        : m_window(window)
    {}

    bool run(const ScriptCommand &command, std::ostream &out, std::string &error) override
    {
        if (command.verb == "tool" && command.args.size() == 1) {
            if (!m_window.press(command.args[0]))
                error = "no button \"" + command.args[0] + "\" can be pressed";
            return error.empty();
        }
        if (command.verb == "key" && command.args == std::vector<std::string>{"F1"}) {
            m_window.keyDown(forms::KeyCodeF1, 0);
            return true;
        }
        if (command.verb == "dump" && command.args == std::vector<std::string>{"dialog"}) {
            out << m_window.describeButtons();
            return true;
        }
        error = "the bill-closing dialog has no \"" + command.verb + " " + command.rest + "\"";
        return false;
    }

private:
    closing::BillClosingDialog &m_window;
};

bool runCloseBill(const ScriptCommand &, std::ostream &out, std::string &)
{
    auto closer = component::ComponentRegistry::instance().createAs<component::Interface>(
        component::ProgId::Interface);
    const auto code = closer->CloseBill();
    out << "RETURN " << code << std::endl;
    return true;
}

} // namespace

void registerCloseBillScript()
{
    registerScriptTarget("frmShutBill", [](forms::Form &form) {
        return std::make_unique<BillClosingTarget>(
            dynamic_cast<closing::BillClosingDialog &>(form));
    });
    registerScriptCommand("closebill", runCloseBill);
}

} // namespace orvan::app
