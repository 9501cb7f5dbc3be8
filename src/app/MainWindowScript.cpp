#include "app/MainWindowScript.h"

#include <ostream>

#include "app/AccountCommands.h"
#include "app/ScriptTarget.h"
#include "base/Error.h"
#include "component/ComponentRegistry.h"
#include "component/OutsideComponents.h"
#include "component/ProgIds.h"
#include "component/Translation.h"
#include "forms/Form.h"
#include "forms/OptionSheet.h"
#include "forms/Printer.h"
#include "mainwindow/HistoryWindow.h"
#include "mainwindow/MaintenanceWindow.h"

namespace orvan::app {
namespace {

using mainwindow::MaintenanceWindow;

class MainWindowTarget : public ScriptTarget
{
public:
    explicit MainWindowTarget(MaintenanceWindow &window)
        : m_window(window)
    {}

    bool run(const ScriptCommand &command, std::ostream &out, std::string &error) override
    {
        const bool done = dispatch(command, out, error);
        if (m_window.reselectTimer.enabled)
            m_window.timerFired();
        return done;
    }

private:
    bool dispatch(const ScriptCommand &command, std::ostream &out, std::string &error)
    {
        const auto &verb = command.verb;
        const std::string argument = command.args.size() == 1 ? command.args[0] : std::string();
        if (verb == "dump" && !argument.empty())
            return dump(argument, out, error);
        if (verb == "check" && command.args.size() == 2)
            return checkOverallOption(command.args[0], command.args[1], error);
        if (verb == "option" && command.args.size() >= 2)
            return changeOption(command.args[0], command.textAfter(1), error);
        if (verb == "find") {
            m_window.setSearchText(command.rest);
            return true;
        }
        if (verb == "next" && command.args.empty()) {
            if (!m_window.nextMatch())
                error = "no match to go to";
            return error.empty();
        }
        if (argument.empty())
            return unknown(command, error);
        if (verb == "click")
            return click(argument, error);
        if (verb == "row")
            return selectRow(argument, error);
        if (verb == "tool")
            return pressTool(argument, error);
        if (verb == "menu") {
            if (!m_window.menuClick(argument))
                error = "no menu item \"" + argument + "\" can be chosen";
            return error.empty();
        }
        if (verb == "key" && argument == "F1") {
            m_window.keyDown(forms::KeyCodeF1, 0);
            return true;
        }
        int twips = 0;
        if (verb == "split" && parseWholeNumber(argument, twips)) {
            m_window.dragSplitter(twips);
            return true;
        }
        return unknown(command, error);
    }

    bool unknown(const ScriptCommand &command, std::string &error)
    {
        error = "the maintenance window has no \"" + command.verb + " " + command.rest + "\"";
        return false;
    }

    bool click(const std::string &key, std::string &error)
    {
        if (!m_window.tree.find(key)) {
            error = "no tree node \"" + key + "\"";
            return false;
        }
        m_window.selectAndClick(key);
        return true;
    }

    bool selectRow(const std::string &text, std::string &error)
    {
        int row = 0;
        if (!parseWholeNumber(text, row) || row < 2 || row > m_window.list.rowCount()) {
            error = "no grid row " + text;
            return false;
        }
        m_window.detail().TakeSelection(true, row);
        return true;
    }

    bool pressTool(const std::string &key, std::string &error)
    {
        if (!m_window.toolbar.contains(key) || !m_window.toolbar.button(key).visible ||
            !m_window.toolbar.button(key).enabled) {
            error = "no button \"" + key + "\" can be pressed";
            return false;
        }
        m_window.toolbarClick(m_window.toolbar.button(key).key);
        return true;
    }

    // The option sheet the window shows: a page of the option control or one of the
    // calculation-parameter controls.
    forms::OptionSheet *shownSheet()
    {
        if (m_window.optionPageVisible && m_window.optionControl)
            return &m_window.optionControl->sheet();
        if (m_window.calculationControlVisible && m_window.calculationControl)
            return &m_window.calculationControl->sheet();
        if (m_window.costCalculationControlVisible && m_window.costCalculationControl)
            return &m_window.costCalculationControl->sheet();
        return nullptr;
    }

    bool changeOption(const std::string &key, const std::string &value, std::string &error)
    {
        auto *sheet = shownSheet();
        if (!sheet || !sheet->row(key)) {
            error = "no option \"" + key + "\" is shown";
            return false;
        }
        if (m_window.optionPageVisible)
            m_window.optionControl->ChangeOption(key, value);
        else if (m_window.calculationControlVisible)
            m_window.calculationControl->ChangeValue(key, value);
        else
            m_window.costCalculationControl->ChangeValue(key, value);
        m_window.notifyChanged();
        return true;
    }

    bool checkOverallOption(const std::string &itemKey, const std::string &state,
                            std::string &error)
    {
        if (!m_window.overallOptionList.visible || !m_window.overallOptionList.item(itemKey)) {
            error = "no overall option \"" + itemKey + "\" is shown";
            return false;
        }
        if (state != "on" && state != "off") {
            error = "check takes on or off, not \"" + state + "\"";
            return false;
        }
        m_window.toggleOverallOption(itemKey, state == "on");
        return true;
    }

    void dumpChecks(std::ostream &out)
    {
        for (const auto &item : m_window.overallOptionList.items)
            out << item.key << "|" << item.caption << "|" << (item.checked ? "on" : "off") << "|\n";
    }

    bool dumpOptions(std::ostream &out, std::string &error)
    {
        const auto *sheet = shownSheet();
        if (!sheet) {
            error = "no option page is shown";
            return false;
        }
        out << sheet->title << "\n";
        for (const auto &row : sheet->rows)
            out << row.key << "|" << row.caption << "|" << forms::displayValue(row) << "|\n";
        return true;
    }

    bool dump(const std::string &what, std::ostream &out, std::string &error)
    {
        if (what == "options")
            return dumpOptions(out, error);
        if (what == "checks" && m_window.overallOptionList.visible) {
            dumpChecks(out);
            return true;
        }
        if (what == "tree")
            dumpTree(out);
        else if (what == "find")
            dumpFind(out);
        else if (what == "grid")
            dumpGrid(out);
        else if (what == "title")
            out << m_window.itemTitle.caption << "\n";
        else if (what == "status")
            out << (m_window.statusBar.panel("Passtime")
                        ? m_window.statusBar.panel("Passtime")->text
                        : std::string())
                << "\n";
        else if (what == "toolbar")
            dumpToolbar(out);
        else
            error = "the maintenance window cannot dump \"" + what + "\"";
        return error.empty();
    }

    void dumpTree(std::ostream &out)
    {
        const auto &tree = m_window.tree;
        for (const auto *node : tree.displayOrder()) {
            if (node->hidden)
                continue;
            out << std::string(2 * tree.depthOf(*node), ' ') << node->key << "\t" << node->caption
                << "\t" << node->tag << (node->key == m_window.selectedKey() ? "*" : "") << "\n";
        }
    }

    // The matches of the search as the find command prints them, or the window's text
    // saying that nothing matched.
    void dumpFind(std::ostream &out)
    {
        const auto &search = m_window.search();
        if (!search.emptyText().empty()) {
            out << search.emptyText() << "\n";
            return;
        }
        out << "node\tcaption\tkey\tvalue\n";
        for (const auto &match : search.matches())
            out << match.nodeKey << "\t" << match.caption << "\t" << match.key << "\t"
                << match.value << "\n";
    }

    void dumpGrid(std::ostream &out)
    {
        for (int row = 1; row <= m_window.list.rowCount(); ++row) {
            for (const auto &cell : m_window.list.rowText(row))
                out << cell << "|";
            out << "\n";
        }
    }

    void dumpToolbar(std::ostream &out)
    {
        for (const auto &button : m_window.toolbar.buttons())
            out << button.key << " " << (button.visible ? "visible" : "hidden") << " "
                << (button.enabled ? "enabled" : "disabled") << "\n";
    }

    MaintenanceWindow &m_window;
};

// "sql TEXT": runs one batch on the account and prints its rows as the sql command does,
// so a script can check what its clicks stored.
bool runSqlLine(const ScriptCommand &command, std::ostream &out, std::string &error)
{
    try {
        auto connection =
            component::ComponentRegistry::instance().createAs<component::ConnectionComponent>(
                component::ProgId::Connection);
        if (auto rows = connection->Execute(command.rest))
            printRecordset(out, *rows);
        return true;
    } catch (const base::Error &failure) {
        error = failure.description();
        return false;
    }
}

// The history window: `filter TEXT`, `tool Print|Preview`, `dump history` (the caption,
// the headings, then each row shown, cells ended by "|"; or why none is shown).
class HistoryTarget : public ScriptTarget
{
public:
    explicit HistoryTarget(mainwindow::HistoryWindow &window)
        : m_window(window)
    {}

    bool run(const ScriptCommand &command, std::ostream &out, std::string &error) override
    {
        if (command.verb == "filter") {
            m_window.setFilter(command.rest);
            return true;
        }
        if (command.verb == "tool" && command.args.size() == 1 &&
            (command.args[0] == "Print" || command.args[0] == "Preview")) {
            m_window.print(command.args[0] == "Print" ? forms::PrintMode::Print
                                                      : forms::PrintMode::Preview);
            return true;
        }
        if (command.verb == "dump" && command.args == std::vector<std::string>{"history"}) {
            dump(out);
            return true;
        }
        error = "the history window has no \"" + command.verb + " " + command.rest + "\"";
        return false;
    }

private:
    void dump(std::ostream &out) const
    {
        out << "TITLE " << m_window.caption << "\n";
        if (!m_window.emptyText().empty()) {
            out << "EMPTY " << m_window.emptyText() << "\n";
            return;
        }
        for (const auto &heading : mainwindow::HistoryWindow::headings())
            out << component::TranslateText(heading) << "|";
        out << "\n";
        for (const auto &row : m_window.shownRows()) {
            for (const auto &cell : row)
                out << cell << "|";
            out << "\n";
        }
    }

    mainwindow::HistoryWindow &m_window;
};

} // namespace

void registerMainWindowScript()
{
    registerScriptCommand("sql", runSqlLine);
    mainwindow::installMaintenanceWindow();
    registerScriptTarget("frmSysMainInface", [](forms::Form &form) {
        return std::make_unique<MainWindowTarget>(dynamic_cast<MaintenanceWindow &>(form));
    });
    registerScriptTarget("frmHistory", [](forms::Form &form) {
        return std::make_unique<HistoryTarget>(dynamic_cast<mainwindow::HistoryWindow &>(form));
    });
}

} // namespace orvan::app
