#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace orvan::billcode {

// The numbering options of one bill.
struct BillOptions
{
    std::string FBillName;
    int32_t FUseBillCodeRule = 0;
    int32_t FCanAlterBillNo = 0;
    int32_t FCheckAfterSave = 0;
    int32_t FSingleApproval = 0;   // 2: does not apply to the bill
    int32_t FSingleUnApproval = 0; // 2: does not apply to the bill
    int32_t FEditSelfBill = 0;     // 2: does not apply to the bill
};

// A base-data item or bill field a bill's number may be built from.
struct CheckItem
{
    int32_t FID = 0; // bill id
    int32_t FBillTypeID = 0;
    int32_t FItemID = 0; // 0: a plain field of the bill
    std::string FName;
    std::string FTable;
    std::string FField;
};

// The process-wide caches built from the rule component's answers: bill options by
// bill id (as text), format options by project and option id, check items by bill id,
// and the two format lists of the rule grid. A component that is missing or fails
// leaves the cache it was to fill as it was.
class BillCodeCaches
{
public:
    static BillCodeCaches &instance();
    // Empties every cache (a fresh process).
    static void reset();

    // Check items, project options, format lists, then bill options (window start). A
    // window opened again on an account unchanged since the last complete load, in the
    // same language, keeps what was loaded.
    void loadAll();
    // The bill options again (selecting the bill-numbering node, after a save); false
    // when the component is missing or failed.
    bool loadBillOptions();

    const BillOptions *billOptions(const std::string &billId) const;
    void replaceBillOptions(const std::string &billId, const BillOptions &options);

    const std::vector<CheckItem> &checkItems(const std::string &billId) const;
    // The check item at 1-based position n of the bill, or null.
    const CheckItem *checkItem(const std::string &billId, int position) const;
    // Its FItemID; 0 when the bill has no check items or n is beyond the list.
    int32_t checkItemId(const std::string &billId, int position) const;

    // Translated format options of a project by option id (2 date, 9 base data).
    const std::map<int32_t, std::string> &projectOptions(int32_t projectId) const;
    // The format lists offered in the grid: an empty entry, then the options in order.
    const std::vector<std::string> &dateFormats() const { return m_dateFormats; }
    const std::vector<std::string> &baseDataFormats() const { return m_baseDataFormats; }

private:
    bool loadCheckItems();
    bool loadProjectOptions();
    void buildFormatLists();
    std::vector<std::string> formatListOf(int32_t projectId) const;

    std::map<std::string, BillOptions> m_billOptions;
    std::map<int32_t, std::map<int32_t, std::string>> m_projectOptions;
    std::map<std::string, std::vector<CheckItem>> m_checkItems;
    std::vector<std::string> m_dateFormats;
    std::vector<std::string> m_baseDataFormats;
    std::string m_loadedFor; // the account, its change stamp and the language of the last
                             // complete load; "" when there was none
};

inline BillCodeCaches &billCodeCaches()
{
    return BillCodeCaches::instance();
}

} // namespace orvan::billcode
