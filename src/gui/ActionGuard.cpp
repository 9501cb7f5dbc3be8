#include "gui/ActionGuard.h"

#include <exception>
#include <iostream>
#include <string>

#include "base/Error.h"
#include "component/AccountReason.h"
#include "component/Translation.h"
#include "forms/Messages.h"

namespace orvan::gui {
namespace {

std::string oneLine(std::string text)
{
    for (auto &c : text)
        if (c == '\n' || c == '\r')
            c = ' ';
    return text;
}

void reportFailure(const std::string &reason)
{
    std::cerr << "orvan-sysmaintain: an action failed: " << oneLine(reason) << "\n";
    try {
        forms::showMessage(component::messageTitle(), component::FormatText("操作失败：%1", reason),
                           forms::Buttons::Ok, forms::Icon::Warning);
    } catch (...) {
        // The line on standard error is all that can be told.
    }
}

} // namespace

void reportUnsavedChange()
{
    const auto error = base::takeSwallowedAccountError();
    if (!error)
        return;
    std::cerr << "orvan-sysmaintain: a change was not saved: " << oneLine(error->description())
              << "\n";
    try {
        forms::showMessage(component::messageTitle(),
                           component::FormatText("账套未被修改：%1", component::accountFailureText(
                                                                         error->accountFailure())),
                           forms::Buttons::Ok, forms::Icon::Warning);
    } catch (...) {
    }
}

bool guarded(const std::function<void()> &action)
{
    std::string reason;
    try {
        action();
        reportUnsavedChange();
        return true;
    } catch (const std::exception &error) {
        reason = component::userErrorText(error);
    } catch (...) {
        reason = component::TranslateText("未知错误");
    }
    reportFailure(reason);
    return false;
}

} // namespace orvan::gui
