#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "base/Object.h"
#include "base/Variant.h"

namespace orvan::base {

enum class CompareMode {
    Binary, // keys compared exactly
    Text,   // keys compared without regard to case
};

// A keyed collection that keeps insertion order. Adding a key twice raises error 457,
// reading an absent key error 5, as the host language's collections do.
class Dictionary : public Object
{
public:
    explicit Dictionary(CompareMode mode = CompareMode::Binary);

    void add(std::string_view key, Variant value);
    // Adds the key or replaces its value.
    void set(std::string_view key, Variant value);
    bool exists(std::string_view key) const;
    const Variant &item(std::string_view key) const;
    // The value, or fallback when the key is absent.
    Variant value(std::string_view key, const Variant &fallback = {}) const;
    void remove(std::string_view key);
    void clear();

    std::size_t count() const { return m_entries.size(); }
    std::vector<std::string> keys() const;
    const std::vector<std::pair<std::string, Variant>> &entries() const { return m_entries; }

    const InterfaceInfo *typeInfo() const override;

protected:
    Variant dispatch(DispId id, InvokeKind kind, std::vector<Variant> &args) override;

private:
    std::string normalized(std::string_view key) const;
    void reindex();

    CompareMode m_mode;
    std::vector<std::pair<std::string, Variant>> m_entries;
    std::unordered_map<std::string, std::size_t> m_index;
};

} // namespace orvan::base
