#include "app/EditorScript.h"

#include <ostream>

#include "app/ScriptTarget.h"
#include "editor/frmProtyMdy.h"
#include "forms/Form.h"

namespace orvan::app {
namespace {

using editor::frmProtyMdy;

bool parseInt(const std::string &text, int &number)
{
    try {
        std::size_t used = 0;
        number = std::stoi(text, &used);
        return used == text.size();
    } catch (const std::exception &) {
        return false;
    }
}

class EditorTarget : public ScriptTarget
{
public:
    explicit EditorTarget(frmProtyMdy &editor)
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
        if (verb == "tab" && args.size() == 1 && parseInt(args[0], index) && index >= 0 &&
            index < static_cast<int>(m_editor.tabs().captions.size())) {
            m_editor.changeTab(index);
            return true;
        }
        if (verb == "key" && args.size() == 1 && (args[0] == "F7" || args[0] == "F8")) {
            m_editor.gridKeyDown(args[0] == "F7" ? frmProtyMdy::KeyCodeF7 : frmProtyMdy::KeyCodeF8);
            return true;
        }
        if (verb == "dump" && args.size() == 1 && args[0] == "editor") {
            dump(out);
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
        if (!parseInt(command.args[0], col) || !parseInt(command.args[1], row) || col < 1 ||
            row < 1 || col > m_editor.grid().maxCols() || row > m_editor.grid().maxRows()) {
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

    bool setBox(const std::string &name, const std::string &state, std::string &error)
    {
        const forms::CheckBox *box = nullptr;
        for (const auto &option : m_editor.options())
            if (option.name == name)
                box = &option;
        if (!box || (state != "on" && state != "off")) {
            error = "no box \"" + name + "\" to set " + state;
            return false;
        }
        const int wanted = state == "on" ? 1 : 0;
        if (box->value != wanted && !m_editor.clickOption(name)) {
            error = "box \"" + name + "\" cannot be changed";
            return false;
        }
        if (box->value != wanted) {
            error = "box \"" + name + "\" stays " + (box->value ? "on" : "off");
            return false;
        }
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
        for (int row = 1; row <= grid.maxRows(); ++row) {
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
        for (const auto &box : m_editor.options())
            out << "BOX " << box.name << " " << (box.value ? "on" : "off") << " "
                << (box.enabled ? "enabled" : "disabled") << "\n";
    }

    frmProtyMdy &m_editor;
};

} // namespace

void registerEditorScript()
{
    registerScriptTarget("frmProtyMdy", [](forms::Form &form) {
        return std::make_unique<EditorTarget>(dynamic_cast<frmProtyMdy &>(form));
    });
}

} // namespace orvan::app
