#pragma once

#include <memory>
#include <string>
#include <vector>

#include "component/ProcessState.h"
#include "editor/EditorState.h"
#include "editor/RecordEditor.h"
#include "params/ProfileFlags.h"
#include "support/AccountFixture.h"

namespace orvan::test {

// The demo account as the process's connection, fresh editor values, scripted messages
// and shell; openEditor opens the record editor as the main window does.
class EditorFixture : public AccountFixture<params::ProfileFlags, editor::EditorState>
{
protected:
    void SetUp() override
    {
        AccountFixture::SetUp();
        connectProcess();
    }

    void TearDown() override { window.reset(); }

    // Opens the editor on the list of a node: keys from position 2, the row shown.
    editor::RecordEditor &openEditor(const std::string &nodeKey, std::vector<base::Variant> keys,
                                     int currentRow, bool addNew = false)
    {
        component::processState().currentNodeKey = nodeKey;
        auto &state = editor::editorState();
        state.rowKeys.assign(2, std::move(keys));
        state.currentRow = currentRow;
        state.addingNew = addNew;
        state.previousRow = 0;
        window = std::make_unique<editor::RecordEditor>();
        window->load();
        messages->clear();
        return *window;
    }

    std::unique_ptr<editor::RecordEditor> window;
};

} // namespace orvan::test
