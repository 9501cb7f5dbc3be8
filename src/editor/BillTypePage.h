#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "editor/EditorPage.h"

namespace orvan::editor {

class RecordEditor;

// A bill type (a row of ICBillType): code, name, account and note, with the
// account's id kept in the hidden column 3. Codes and names are unique; predefined
// types keep their code and name. Adding one turns the editor into modifying the new
// row. A save over a record someone else changed since it was loaded is refused, and
// the record is shown as it is now.
class BillTypePage : public EditorPage
{
public:
    // The account cell.
    static constexpr int AccountCol = 2;
    static constexpr int AccountRow = 3;

    explicit BillTypePage(RecordEditor &editor);

    void setUp() override;
    bool loadsOnOpen() const override;
    void load(int row) override;
    void save() override;
    // Bill types are saved only by the Save button.
    // Yes to the save prompt saves as the Save button does; a save that was refused
    // keeps the editor open on the record.
    void saveFromPrompt(bool &answer) override;
    bool leaveCell(int col, int row) override;
    void gridKeyDown(int keyCode) override;
    void reloadBillTypeKeys(int32_t newId);
    // The account check of the account cell: fills number and id of the account whose
    // number the cell holds; a number the chart does not hold is refused with a message.
    bool findAccount(int row, int col, const std::string &text);
    // Opens the account lookup for the account cell of the row.
    void lookUpAccount(int row);

private:
    bool checkAccountCell();
    bool isTaken(const std::string &column, const std::string &value) const;
    void insertBillType(const std::string &values);
    void updateBillType(const std::string &assignments);
    // The stored record as load() shows it: code, name, account id and note.
    std::vector<std::string> storedRecord(int32_t id) const;
    bool changedSinceLoaded();

    RecordEditor &m_editor;
    bool m_checkingAccount = false;
    std::vector<std::string> m_loaded; // the record as load() read it
};

} // namespace orvan::editor
