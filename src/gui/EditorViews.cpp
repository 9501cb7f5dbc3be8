#include "gui/EditorViews.h"

#include <memory>

#include "component/AccountLookupForm.h"
#include "editor/RecordEditor.h"
#include "gui/AccountLookupDialog.h"
#include "gui/EditorDialog.h"
#include "gui/HistoryView.h"
#include "gui/OptionDetailDialogView.h"
#include "gui/QtShell.h"
#include "gui/SettingsTransferView.h"

namespace orvan::gui {

void registerEditorViews()
{
    QtShell::registerView("frmProtyMdy", [](forms::Form &form, QWidget *parent) {
        return std::make_unique<EditorDialog>(dynamic_cast<editor::RecordEditor &>(form), parent);
    });
    QtShell::registerView("frmAccountLookup", [](forms::Form &form, QWidget *parent) {
        return std::make_unique<AccountLookupDialog>(
            dynamic_cast<component::AccountLookupForm &>(form), parent);
    });
    registerOptionDetailViews();
    registerHistoryView();
    registerSettingsTransferView();
}

} // namespace orvan::gui
