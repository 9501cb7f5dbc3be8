#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "component/ComponentRegistry.h"
#include "component/ProcessState.h"
#include "component/Translation.h"
#include "editor/EditorState.h"
#include "editor/RecordEditor.h"
#include "forms/Messages.h"
#include "forms/Shell.h"
#include "params/ProfileFlags.h"
#include "suite/AppConnection.h"
#include "suite/SharedProps.h"
#include "suite/StandIns.h"
#include "support/TempAccount.h"

namespace orvan::test {

// A fresh demo account connected as the process's account, scripted messages and shell,
// and fresh editor values; openEditor opens the record editor as the main window does.
class EditorFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto connectString = account.connectString();
        suite::SharedProps::publishForThisProcess("ConnectString={" + connectString +
                                                  "};UserID=16394;LANGUAGE=chs;");
        component::ProcessState::reset();
        component::resetLanguageResources();
        params::ProfileFlags::reset();
        editor::EditorState::reset();
        suite::registerStandIns(component::ComponentRegistry::instance());
        auto &state = component::processState();
        state.connectString = connectString;
        state.connection = std::make_shared<suite::AppConnection>(connectString);
        forms::setShell(shell);
        forms::setMessages(messages);
    }

    void TearDown() override
    {
        window.reset();
        forms::setShell(nullptr);
        forms::setMessages(nullptr);
        editor::EditorState::reset();
        params::ProfileFlags::reset();
        component::ProcessState::reset();
        suite::SharedProps::clearAll();
    }

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

    // The texts of the messages shown so far.
    std::vector<std::string> shownTexts() const
    {
        std::vector<std::string> texts;
        for (const auto &message : messages->shown())
            texts.push_back(message.text);
        return texts;
    }

    std::string text(const std::string &sql) { return account.value(sql); }
    void run(const std::string &sql) { account.run(sql); }

    TempAccount account;
    std::shared_ptr<forms::ScriptedShell> shell = std::make_shared<forms::ScriptedShell>();
    std::shared_ptr<forms::ScriptedMessages> messages = std::make_shared<forms::ScriptedMessages>();
    std::unique_ptr<editor::RecordEditor> window;
};

} // namespace orvan::test
