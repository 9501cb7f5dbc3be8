#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "forms/Shell.h"

class QDialog;
class QWidget;

namespace orvan::gui {

// Runs each form as a modal dialog made by the view registered for the form's name.
class QtShell : public forms::Shell
{
public:
    using ViewFactory = std::function<std::unique_ptr<QDialog>(forms::Form &, QWidget *parent)>;

    static void registerView(const std::string &formName, ViewFactory factory);

    void runModal(forms::Form &form) override;
    void yield() override;

private:
    static std::map<std::string, ViewFactory> &views();
};

// Installs Qt's own translations (standard buttons, file and print dialogs) for the
// login's language: simplified or traditional Chinese, none for English.
void useQtTranslationsOfLogin();

} // namespace orvan::gui
