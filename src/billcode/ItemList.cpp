#include "billcode/ItemList.h"

#include "base/Text.h"
#include "billcode/BillCodeCaches.h"
#include "component/Translation.h"

namespace orvan::billcode {

void ItemList::build(int32_t billId)
{
    m_billTypeId = 0;
    std::vector<std::string> names;
    for (const auto &item : billCodeCaches().checkItems(std::to_string(billId))) {
        names.push_back(item.FName);
        m_billTypeId = item.FBillTypeID;
    }
    build(names, classBillFields(billId));
}

void ItemList::build(const std::vector<std::string> &checkItemNames,
                     const std::vector<ClassBillField> &fields)
{
    m_entries.clear();
    m_storedCaptions.clear();
    m_checkPositions.clear();
    addFixedEntries();
    int position = 0;
    for (const auto &name : checkItemNames)
        addCheckItem(name, ++position);
    for (const auto &field : fields)
        addEntry(fieldEntry(field),
                 field.storedCaption.empty() ? field.caption : field.storedCaption, 0);
}

void ItemList::addEntry(std::string shown, std::string stored, int checkPosition)
{
    m_entries.push_back(std::move(shown));
    m_storedCaptions.push_back(std::move(stored));
    m_checkPositions.push_back(checkPosition);
}

void ItemList::addFixedEntries()
{
    addEntry("", "", 0);
    for (const char *caption : {"自定义", "日期", "流水号"})
        addEntry(component::TranslateText(caption), caption, 0);
}

std::string ItemList::storedCaption(std::string_view shownCaption) const
{
    const int index = indexOfCaption(shownCaption);
    if (index < 0)
        return std::string(shownCaption);
    return m_storedCaptions[static_cast<size_t>(index)];
}

// A nameless item and a name already listed are skipped; every entry remembers the
// position of its check item, so a skipped name never shifts the items after it.
void ItemList::addCheckItem(const std::string &name, int position)
{
    if (base::trim(name).empty())
        return;
    const std::string caption = component::TranslateText(name);
    for (const auto &entry : m_entries)
        if (base::equalsNoCase(entry, caption))
            return;
    addEntry(caption, name, position);
}

int ItemList::checkItemPosition(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_checkPositions.size()))
        return 0;
    return m_checkPositions[static_cast<size_t>(index)];
}

int ItemList::indexOfCaption(std::string_view caption) const
{
    const std::string wanted = base::trim(caption);
    for (size_t index = 0; index < m_entries.size(); ++index)
        if (captionPart(m_entries[index]) == wanted)
            return static_cast<int>(index);
    return -1;
}

std::string ItemList::entryOfKey(std::string_view key) const
{
    const std::string wanted = base::upperCase(key);
    for (const auto &entry : m_entries) {
        const std::string entryKey = keyPart(entry);
        if (!entryKey.empty() && base::upperCase(entryKey) == wanted)
            return entry;
    }
    return {};
}

std::string ItemList::fieldEntry(const ClassBillField &field)
{
    // A caption of 256 characters or more would swallow the key: keep the key readable.
    std::string caption = base::leftChars(field.caption, CaptionWidth - 1);
    caption.append(CaptionWidth - base::charCount(caption), ' ');
    return caption + field.key;
}

std::string ItemList::captionPart(std::string_view entry)
{
    return base::trim(base::leftChars(entry, CaptionWidth));
}

std::string ItemList::keyPart(std::string_view entry)
{
    if (base::charCount(entry) <= CaptionWidth)
        return {};
    return base::midChars(entry, CaptionWidth + 1);
}

} // namespace orvan::billcode
