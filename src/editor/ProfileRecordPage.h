#pragma once

#include <string>

#include "editor/EditorPage.h"

namespace orvan::editor {

class RecordEditor;

// Single profile values (system, account-set and period parameters: keys of
// t_SystemProfile) and voucher groups (ids of t_VoucherGroup),
// shown as one grid row: caption in column 1, value in column 2.
class ProfileRecordPage : public EditorPage
{
public:
    explicit ProfileRecordPage(RecordEditor &editor);

    void setUp() override;
    bool loadsOnOpen() const override;
    void load(int row) override;
    void save() override;
    bool validateBeforeSave() override;
    void closed() override { m_added = false; }

    void LoadProfileRecord(int row);
    void SaveProfileRecord();
    void InsertVoucherGroup();

    // The id the voucher group being added receives (0 when not adding).
    int newGroupId() const { return m_newGroupId; }

private:
    bool isVoucherGroup() const;
    bool addingVoucherGroup() const;
    void setUpNewVoucherGroup();
    void loadProfileValue(const std::string &key);
    void loadVoucherGroup(const std::string &key);
    void setUpValueCell(const std::string &key);
    void showRecord(const std::string &caption, const std::string &value);
    std::string currentKey() const;
    bool checkVoucherGroupName() const;
    bool checkNumberInRange(double low, double high, const char *rangeMessage) const;

    RecordEditor &m_editor;
    bool m_added = false;
    int m_newGroupId = 0;
};

} // namespace orvan::editor
