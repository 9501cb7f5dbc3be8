#include "app/SettingsTransferScript.h"

#include <memory>
#include <ostream>

#include "app/ScriptTarget.h"
#include "component/Translation.h"
#include "mainwindow/SettingsTransferWindow.h"

namespace orvan::app {
namespace {

using mainwindow::SettingsTransferWindow;

// `file PATH`, `scope NAME on|off`, `tool Check|Import|Export`, `dump transfer` (the title,
// the scopes or the headings and rows, cells ended by "|", then the status line).
class SettingsTransferTarget : public ScriptTarget
{
public:
    explicit SettingsTransferTarget(SettingsTransferWindow &window)
        : m_window(window)
    {}

    bool run(const ScriptCommand &command, std::ostream &out, std::string &error) override
    {
        if (command.verb == "file") {
            m_window.setPath(command.rest);
            return true;
        }
        if (command.verb == "scope" && command.args.size() == 2 &&
            (command.args[1] == "on" || command.args[1] == "off")) {
            m_window.chooseScope(command.args[0], command.args[1] == "on");
            return true;
        }
        if (command.verb == "tool" && command.args.size() == 1 && runTool(command.args[0]))
            return true;
        if (command.verb == "dump" && command.args == std::vector<std::string>{"transfer"}) {
            dump(out);
            return true;
        }
        error = "the settings window has no \"" + command.verb + " " + command.rest + "\"";
        return false;
    }

private:
    bool runTool(const std::string &tool)
    {
        const bool importing = m_window.mode() == SettingsTransferWindow::Mode::Import;
        if (importing && tool == "Check")
            m_window.check();
        else if (importing && tool == "Import")
            m_window.apply();
        else if (!importing && tool == "Export")
            m_window.exportFile();
        else
            return false;
        return true;
    }

    void dump(std::ostream &out) const
    {
        out << "TITLE " << m_window.title() << "\n";
        if (m_window.mode() == SettingsTransferWindow::Mode::Export) {
            for (const auto &[scope, chosen] : m_window.scopes())
                out << "SCOPE " << scope << " " << (chosen ? "on" : "off") << "\n";
        } else {
            for (const auto &heading : SettingsTransferWindow::headings())
                out << component::TranslateText(heading) << "|";
            out << "\n";
            for (const auto &row : m_window.rows()) {
                for (const auto &cell : row)
                    out << cell << "|";
                out << "\n";
            }
            out << "APPLY " << (m_window.canApply() ? "enabled" : "disabled") << "\n";
        }
        if (!m_window.status().empty())
            out << "STATUS " << m_window.status() << "\n";
    }

    SettingsTransferWindow &m_window;
};

} // namespace

void registerSettingsTransferScript()
{
    registerScriptTarget("frmSettingsTransfer", [](forms::Form &form) {
        return std::make_unique<SettingsTransferTarget>(
            dynamic_cast<SettingsTransferWindow &>(form));
    });
}

} // namespace orvan::app
