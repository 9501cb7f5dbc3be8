#pragma once

#include <string>

#include "editor/EditorPage.h"

namespace orvan::editor {

class RecordEditor;

// The print-count limit of one bill (a row of ICPrintMaxCount): whether printing
// is counted, the most prints, and whether only approved bills print.
class PrintControlPage : public EditorPage
{
public:
    // The background of the print-after-approval cell when the option does not apply.
    static constexpr uint32_t NotApplicableColor = 0xC0FFFF; // RGB(255, 255, 192)
    static constexpr uint32_t White = 0xFFFFFF;

    explicit PrintControlPage(RecordEditor &editor);

    void setUp() override;
    void load(int row) override;
    void save() override;
    bool validateBeforeSave() override;
    bool acceptsGridCharacter(int keyAscii) const override;

    // The statement that saves the grid for the key (a class bill above 1000000 also
    // touches its class row, in the same batch).
    std::string saveSql(int32_t key) const;

private:
    void showAfterCheck(int32_t stored);

    RecordEditor &m_editor;
};

} // namespace orvan::editor
