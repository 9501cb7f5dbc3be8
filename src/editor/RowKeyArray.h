#pragma once

#include <cstdint>
#include <vector>

#include "base/Error.h"
#include "base/Variant.h"
#include "base/VariantColumn.h"

namespace orvan::editor {

// The record keys of the list shown in the main window, one per row, indexed from a
// lower bound as the host language's arrays are (the lists start at position 2, the
// position of their first row below the heading row).
class RowKeyArray
{
public:
    int32_t lowerBound() const { return m_lower; }
    // One less than the lower bound when the array is empty.
    int32_t upperBound() const { return m_lower + static_cast<int32_t>(m_keys.size()) - 1; }
    bool empty() const { return m_keys.empty(); }
    bool contains(int32_t index) const { return index >= m_lower && index <= upperBound(); }

    // The key at the position; outside the bounds raises "Subscript out of range" (9).
    base::Variant at(int32_t index) const
    {
        if (!contains(index))
            throw base::Error(base::ErrorNumber::SubscriptOutOfRange, "Subscript out of range");
        return m_keys[static_cast<std::size_t>(index - m_lower)];
    }

    // Replaces the whole array with keys placed from the lower bound on.
    void assign(int32_t lower, base::VariantColumn keys)
    {
        m_lower = lower;
        m_keys = std::move(keys);
        m_keys.shrinkToFit();
    }

    void clear() { m_keys.clear(); }

private:
    int32_t m_lower = 0;
    base::VariantColumn m_keys;
};

} // namespace orvan::editor
