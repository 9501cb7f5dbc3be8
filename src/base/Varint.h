#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace orvan::base {

// Whole numbers in as few bytes as they need, for values packed into byte buffers: 7 bits
// a byte, the high bit set on all but the last. zigzag() maps 0, -1, 1, -2, ... to
// 0, 1, 2, 3, ... so that small numbers of either sign stay short.
inline constexpr std::size_t MaxVarintBytes = 10;

// Writes the number at p, which has room for MaxVarintBytes; returns the byte after it.
inline char *writeVarint(char *p, uint64_t value)
{
    while (value >= 0x80) {
        *p++ = static_cast<char>((value & 0x7F) | 0x80);
        value >>= 7;
    }
    *p++ = static_cast<char>(value);
    return p;
}

// A byte at a time: numbers are a few bytes long, shorter than a copy call is worth.
inline void appendVarint(std::vector<char> &bytes, uint64_t value)
{
    while (value >= 0x80) {
        bytes.push_back(static_cast<char>((value & 0x7F) | 0x80));
        value >>= 7;
    }
    bytes.push_back(static_cast<char>(value));
}

// The number at p; p moves past it.
inline uint64_t readVarint(const char *&p)
{
    uint64_t value = 0;
    for (int shift = 0;; shift += 7) {
        const auto byte = static_cast<unsigned char>(*p++);
        value |= static_cast<uint64_t>(byte & 0x7F) << shift;
        if ((byte & 0x80) == 0)
            return value;
    }
}

inline uint64_t zigzag(int64_t value)
{
    return (static_cast<uint64_t>(value) << 1) ^ static_cast<uint64_t>(value >> 63);
}

inline int64_t unzigzag(uint64_t value)
{
    return static_cast<int64_t>(value >> 1) ^ -static_cast<int64_t>(value & 1);
}

} // namespace orvan::base
