#include "db/BatchCache.h"

#include "db/PreparedBatch.h"

namespace orvan::db {

std::shared_ptr<PreparedBatch> BatchCache::find(std::string_view text)
{
    const auto found = m_index.find(text);
    if (found == m_index.end())
        return nullptr;
    m_entries.splice(m_entries.begin(), m_entries, found->second);
    return found->second->batch;
}

void BatchCache::insert(std::string_view text, std::shared_ptr<PreparedBatch> batch)
{
    if (m_index.size() >= m_limit)
        dropLeastRecentlyUsedIdle();
    m_entries.push_front(Entry{std::string(text), std::move(batch)});
    m_index.emplace(m_entries.front().text, m_entries.begin());
}

void BatchCache::clear()
{
    m_index.clear();
    m_entries.clear();
}

void BatchCache::dropLeastRecentlyUsedIdle()
{
    for (auto entry = m_entries.rbegin(); entry != m_entries.rend(); ++entry) {
        if (!entry->batch->running()) {
            m_index.erase(entry->text);
            m_entries.erase(std::next(entry).base());
            return;
        }
    }
}

} // namespace orvan::db
