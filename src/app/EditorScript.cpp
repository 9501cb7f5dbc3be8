#include "app/EditorScript.h"

#include <ostream>

#include "app/ScriptTarget.h"
#include "base/DateTime.h"
#include "billcode/BillSettingsPage.h"
#include "billcode/NextNumberPreview.h"
#include "billcode/RuleColumns.h"
#include "editor/RecordEditor.h"
#include "forms/CellGrid.h"
#include "forms/Form.h"

namespace orvan::app {
namespace {

using editor::RecordEditor;

class EditorTarget : public ScriptTarget
{
public:
    explicit EditorTarget(RecordEditor &editor)
        : m_editor(editor)
    {}

    bool run(const ScriptCommand &command, std::ostream &out, std::string &error) override
    {
        const auto &verb = command.verb;
        const auto &args = command.args;
        if (verb == "cell" && args.size() >= 2)
            return typeCell(command, error);
        if (verb == "tool" && args.size() == 1)
            return pressTool(args[0], error);
        if (verb == "box" && args.size() == 2)
            return setBox(args[0], args[1], error);
        int index = 0;
        if (verb == "tab" && args.size() == 1 && parseWholeNumber(args[0], index) && index >= 0 &&
            index < static_cast<int>(m_editor.tabs().captions.size())) {
            m_editor.changeTab(index);
            return true;
        }
        if (verb == "key" && args.size() == 1 && (args[0] == "F7" || args[0] == "F8")) {
            m_editor.gridKeyDown(args[0] == "F7" ? RecordEditor::KeyCodeF7
                                                 : RecordEditor::KeyCodeF8);
            return true;
        }
        if (verb == "dump" && args.size() == 1 && args[0] == "editor") {
            dump(out);
            return true;
        }
        if (verb == "rule" && args.size() >= 2)
            return setRuleCell(command, error);
        if (verb == "dump" && args.size() == 1 && args[0] == "rules")
            return dumpRules(out, error);
        if (verb == "dump" && args.size() == 1 && args[0] == "changed") {
            out << "CHANGED "
                << (m_editor.lastChange().empty() ? std::string("-") : m_editor.lastChange())
                << "\n";
            return true;
        }
        error = "the record editor has no \"" + verb + " " + command.rest + "\"";
        return false;
    }

private:
    bool typeCell(const ScriptCommand &command, std::string &error)
    {
        int col = 0;
        int row = 0;
        if (!parseWholeNumber(command.args[0], col) || !parseWholeNumber(command.args[1], row) ||
            col < 1 || row < 1 || col > m_editor.grid().maxCols() ||
            row > m_editor.grid().maxRows()) {
            error = "no cell " + command.args[0] + " " + command.args.at(1);
            return false;
        }
        const auto text = command.textAfter(2);
        if (!m_editor.typeCell(col, row, text)) {
            error = "cell " + std::to_string(col) + " " + std::to_string(row) +
                    " does not take \"" + text + "\"";
            return false;
        }
        return true;
    }

    bool pressTool(const std::string &key, std::string &error)
    {
        if (!m_editor.press(key))
            error = "no button \"" + key + "\" can be pressed";
        return error.empty();
    }

    const forms::CheckBox *findBox(const std::string &name) const
    {
        for (const auto &option : m_editor.options())
            if (option.name == name)
                return &option;
        if (auto *page = m_editor.page())
            for (const auto &option : page->pageBoxes())
                if (option.name == name)
                    return &option;
        return nullptr;
    }

    bool clickBox(const std::string &name)
    {
        for (const auto &option : m_editor.options())
            if (option.name == name)
                return m_editor.clickOption(name);
        return m_editor.page() && m_editor.page()->clickPageBox(name);
    }

    bool setBox(const std::string &name, const std::string &state, std::string &error)
    {
        const auto *box = findBox(name);
        if (!box || (state != "on" && state != "off")) {
            error = "no box \"" + name + "\" to set " + state;
            return false;
        }
        const int wanted = state == "on" ? 1 : 0;
        if (box->value != wanted && !clickBox(name)) {
            error = "box \"" + name + "\" cannot be changed";
            return false;
        }
        if (box->value != wanted) {
            error = "box \"" + name + "\" stays " + (box->value ? "on" : "off");
            return false;
        }
        return true;
    }

    billcode::BillSettingsPage *billSettings() const
    {
        return dynamic_cast<billcode::BillSettingsPage *>(m_editor.page());
    }

    // "rule ROW COL TEXT": the item and list formats are chosen by their text, the basis
    // box takes on/off, other cells take the text as typed.
    bool setRuleCell(const ScriptCommand &command, std::string &error)
    {
        auto *page = billSettings();
        int row = 0;
        int col = 0;
        namespace Column = billcode::RuleColumn;
        if (!page || !parseWholeNumber(command.args[0], row) ||
            !parseWholeNumber(command.args[1], col) || row < 1 || row > billcode::MaxRuleRows ||
            col < Column::Item || col > Column::Count) {
            error = "no rule cell " + command.args[0] + " " + command.args[1];
            return false;
        }
        auto &rules = page->ruleGrid();
        const auto text = command.textAfter(2);
        bool taken = rules.enterCell(col, row);
        if (taken) {
            const auto &cell = rules.grid().cell(col, row);
            if (col == Column::Basis) {
                const bool on = text == "on";
                taken = (text == "on" || text == "off") &&
                        (forms::isCheckedText(cell.text) == on || rules.clickBasisBox(row));
            } else if (cell.type == forms::CellType::ComboBox) {
                taken = rules.chooseListItemByText(col, row, text);
            } else {
                taken = rules.typeText(col, row, text);
            }
            rules.leaveCell(col, row);
        }
        m_editor.notifyChanged();
        if (!taken)
            error = "rule cell " + command.args[0] + " " + command.args[1] + " does not take \"" +
                    text + "\"";
        return taken;
    }

    // One line per non-empty level, then the number the rule composes today.
    bool dumpRules(std::ostream &out, std::string &error) const
    {
        auto *page = billSettings();
        if (!page) {
            error = "the record editor shows no numbering rule";
            return false;
        }
        for (const auto &line : page->ruleGrid().dumpRules())
            out << line << "\n";
        out << "NEXT " << billcode::previewNextNumber(page->ruleGrid().grid(), base::today())
            << "\n";
        return true;
    }

    // The editor as a user sees it: title, tabs, each grid row (caption | value | lock
    // state), the toolbar buttons and the option boxes.
    void dump(std::ostream &out) const
    {
        out << "TITLE " << m_editor.caption << "\n";
        out << "TABS ";
        for (const auto &caption : m_editor.tabs().captions)
            out << caption << "|";
        out << "\n";
        const auto &grid = m_editor.grid();
        for (int row = 1; m_editor.propertyGridVisible() && row <= grid.maxRows(); ++row) {
            if (grid.rowHidden(row))
                continue;
            const auto &value = grid.cell(2, row);
            out << "ROW " << row << " " << grid.text(1, row) << "|" << value.text << "|"
                << (value.locked ? "locked" : "editable") << "|\n";
        }
        for (const auto &button : m_editor.toolbar().buttons())
            if (!button.separator)
                out << "BUTTON " << button.key << " " << (button.visible ? "visible" : "hidden")
                    << " " << (button.enabled ? "enabled" : "disabled") << "\n";
        const auto printBox = [&out](const forms::CheckBox &box) {
            out << "BOX " << box.name << " " << (box.value ? "on" : "off") << " "
                << (box.enabled ? "enabled" : "disabled") << "\n";
        };
        if (const auto *page = m_editor.page())
            for (const auto &box : page->pageBoxes())
                printBox(box);
        for (const auto &box : m_editor.options())
            printBox(box);
    }

    RecordEditor &m_editor;
};

} // namespace

void registerEditorScript()
{
    registerScriptTarget("frmProtyMdy", [](forms::Form &form) {
        return std::make_unique<EditorTarget>(dynamic_cast<RecordEditor &>(form));
    });
}

} // namespace orvan::app
