#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "billcode/ClassBillInfo.h"

namespace orvan::billcode {

// The items offered in the item column of the rule grid: the empty entry, "自定义",
// "日期", "流水号" (selection indexes 0 to 3), the bill's check items, then for a class
// bill its fields. A field entry is its caption padded with blanks to 256 characters,
// followed by the field key.
class ItemList
{
public:
    static constexpr std::size_t CaptionWidth = 256;

    // Builds the list of a bill; also remembers the bill type of its check items.
    void build(int32_t billId);
    // The list from given check-item names and fields (no component involved).
    void build(const std::vector<std::string> &checkItemNames,
               const std::vector<ClassBillField> &fields);

    const std::vector<std::string> &entries() const { return m_entries; }
    // The 1-based position among the bill's check items of the entry at a list index;
    // 0 when the entry is not a check item.
    int checkItemPosition(int index) const;
    // The FBillTypeID of the last check item read (0 when the bill has none).
    int32_t billTypeId() const { return m_billTypeId; }

    // The index of the entry whose caption part is caption; -1 when none.
    int indexOfCaption(std::string_view caption) const;
    // The entry whose key part equals key (upper case compared); "" when none.
    std::string entryOfKey(std::string_view key) const;

    // The caption an entry is stored under in a bill's number picture: the account's own
    // (simplified Chinese) caption whatever the login's language, so that the picture
    // does not depend on who saved it last. A caption of no entry is returned as it is.
    std::string storedCaption(std::string_view shownCaption) const;

    static std::string fieldEntry(const ClassBillField &field);
    // The first 256 characters, blanks trimmed.
    static std::string captionPart(std::string_view entry);
    // Everything after character 256 ("" for a shorter entry).
    static std::string keyPart(std::string_view entry);

private:
    void addFixedEntries();
    void addCheckItem(const std::string &name, int position);
    void addEntry(std::string shown, std::string stored, int checkPosition);

    std::vector<std::string> m_entries;
    std::vector<std::string> m_storedCaptions; // per entry
    std::vector<int> m_checkPositions;         // per entry; 0 for entries that are no check item
    int32_t m_billTypeId = 0;
};

} // namespace orvan::billcode
