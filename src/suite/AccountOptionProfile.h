#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "component/OptionProfileControl.h"
#include "db/Recordset.h"

namespace orvan::suite {

// The option-profile control: one page of module options at a time.
//
// A page code selects the option group (icsystemprofile.FID) whose rows the page shows,
// in FIndex order; page 12, the alarm page, shows group 11 restricted to the alarm
// category set before ShowPage, with the alarm user's own values (QMUserOption). Every
// other page shows the stored values of t_SystemProfile (same category and key), or the
// definition's default where none is stored.
//
// A change runs: the kind and limits check (a message names what is wrong), then
// OptionChanging (cancel keeps the old value), OptionChanged, the store (t_SystemProfile,
// or QMUserOption on the alarm page), OptionCommitted, and for the options of
// switchPosition() their option-specific notification. Button options raise the BOM
// request ("BomEOption") or the shortage-warning request (any other button) instead.
//
// While the window checks a change (OptionChanging), OptionValue of that key answers the
// proposed value, so checks that read the option back judge what the user entered.
//
// Values handed to the window: checks as whole numbers 1/0, switches as True/False,
// whole numbers and list indexes as whole numbers, decimals as numbers, texts as text.
class AccountOptionProfile : public component::OptionProfileControl
{
public:
    static constexpr int32_t AlarmPage = 12;
    static constexpr int32_t AlarmGroup = 11;

    void setEvents(component::OptionProfileEvents events) override;
    // Switches to a page; its rows are read by ShowPage.
    void setPageCode(int32_t pageCode) override;
    int32_t pageCode() const override { return m_pageCode; }
    void setAlarmCategory(const std::string &category) override { m_alarmCategory = category; }
    std::string alarmCategory() const override { return m_alarmCategory; }
    void setAlarmUser(int32_t userId) override { m_alarmUser = userId; }

    void ShowPage() override;
    void LeavePage() override;
    void PrintPage(int32_t &mode) override;
    base::Variant OptionValue(const std::string &key) override;

    forms::OptionSheet &sheet() override { return m_sheet; }
    bool ChangeOption(const std::string &key, const std::string &typed) override;
    void setContext(const base::ObjectPtr &context) override { m_context = context; }
    const base::ObjectPtr &context() const { return m_context; }

    // The edit a view has open (key and text); LeavePage commits it.
    void setPendingEdit(std::string key, std::string text);

    // The group of option definitions a page shows.
    static int32_t groupOfPage(int32_t pageCode);
    // The position (1..10) of an option's own notification, 0 when it has none:
    // ShowPPBomTaskNo 1, AutoPPBOMWSW 2, SumAbsoluteQty 3, UseShortNumber 4,
    // CanAlterBillNo 5, AutoCheckWorkBill 6, ShowSubcontractBillType 7, UseOperAuxUnit 8,
    // OperMoveNoEnabled 9, UseLetterSortField 10.
    static int switchPosition(const std::string &key);
    // The value of a row as the window receives it.
    static base::Variant valueOf(const forms::OptionRow &row);

private:
    bool alarmPage() const { return m_pageCode == AlarmPage; }
    void loadRows();
    forms::OptionRow rowOf(db::Recordset &definitions);
    std::string pageValuesSql() const;
    static std::string shownValue(const std::string &stored, forms::OptionKind kind);
    bool storedAsShown(const forms::OptionRow &shown);
    void storeValue(const forms::OptionRow &row);
    void raiseButton(const forms::OptionRow &row);
    bool offer(const forms::OptionRow &row, const base::Variant &value);
    bool offerWithinChange(const forms::OptionRow &row, const base::Variant &value);
    bool reportErrors(const std::function<void()> &step);
    // Reads the page again after a failed store, so the sheet shows what is stored.
    void reloadPage();

    component::OptionProfileEvents m_events;
    // The change being offered: OptionValue answers the proposed value for its key
    // while the window checks it.
    std::string m_proposedKey;
    base::Variant m_proposedValue;
    bool m_storeAttempted = false; // the change got as far as the store
    forms::OptionSheet m_sheet;
    std::map<std::string, std::string> m_categories; // option key -> its category
    int32_t m_pageCode = -1;
    std::string m_alarmCategory;
    int32_t m_alarmUser = 0;
    base::ObjectPtr m_context;
    std::string m_pendingKey;
    std::string m_pendingText;
};

} // namespace orvan::suite
