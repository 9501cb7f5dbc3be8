#pragma once

#include "base/Variant.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace orvan::base {

// A list of values packed into bytes: a type byte and the value (whole numbers in as
// few bytes as they need, text without a terminator), four bytes more for where it
// starts. A key per row of a long list then costs a few bytes instead of a Variant.
class VariantColumn
{
public:
    VariantColumn() = default;
    VariantColumn(const std::vector<Variant> &values);
    VariantColumn(std::initializer_list<Variant> values);

    size_t size() const { return m_starts.size(); }
    bool empty() const { return m_starts.empty(); }

    void push_back(const Variant &value);
    Variant operator[](size_t index) const;
    void swap(size_t first, size_t second);
    void clear();
    // Makes room for count more values of about bytesEach bytes.
    void reserve(size_t count, size_t bytesEach);
    // Gives back the room kept for values still to come.
    void shrinkToFit();

private:
    std::vector<char> m_bytes;
    std::vector<uint32_t> m_starts;
    std::vector<ObjectPtr> m_objects; // objects stay as they are; the bytes hold an index
};

} // namespace orvan::base
