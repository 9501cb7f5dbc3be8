#pragma once

#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

namespace orvan::db {

class PreparedBatch;

// Prepared batches by text, at most limit of them: when full, inserting drops the least
// recently used batch that is not running (a running one is never dropped, so the cache
// may then hold more). Finding a batch makes it the most recently used.
class BatchCache
{
public:
    explicit BatchCache(size_t limit)
        : m_limit(limit)
    {}
    BatchCache(const BatchCache &) = delete;
    BatchCache &operator=(const BatchCache &) = delete;

    // The batch cached for text, or null.
    std::shared_ptr<PreparedBatch> find(std::string_view text);
    // Caches batch for text, which must not be cached yet.
    void insert(std::string_view text, std::shared_ptr<PreparedBatch> batch);
    void clear();
    size_t size() const { return m_index.size(); }

private:
    struct Entry
    {
        std::string text;
        std::shared_ptr<PreparedBatch> batch;
    };
    using Entries = std::list<Entry>; // most recently used first

    void dropLeastRecentlyUsedIdle();

    size_t m_limit;
    Entries m_entries;
    std::unordered_map<std::string_view, Entries::iterator> m_index; // keys view Entry::text
};

} // namespace orvan::db
