#include "base/VariantColumn.h"

#include <cstring>
#include <limits>
#include <stdexcept>

#include "base/Varint.h"

namespace orvan::base {

namespace {

void appendDouble(std::vector<char> &bytes, double value)
{
    char raw[sizeof value];
    std::memcpy(raw, &value, sizeof value);
    bytes.insert(bytes.end(), raw, raw + sizeof value);
}

double readDouble(const char *p)
{
    double value = 0;
    std::memcpy(&value, p, sizeof value);
    return value;
}

} // namespace

VariantColumn::VariantColumn(const std::vector<Variant> &values)
{
    for (const auto &value : values)
        push_back(value);
}

VariantColumn::VariantColumn(std::initializer_list<Variant> values)
{
    for (const auto &value : values)
        push_back(value);
}

void VariantColumn::push_back(const Variant &value)
{
    if (m_bytes.size() > std::numeric_limits<uint32_t>::max())
        throw std::length_error("VariantColumn holds more than 4 GiB");
    m_starts.push_back(static_cast<uint32_t>(m_bytes.size()));
    const VarType type = value.type();
    m_bytes.push_back(static_cast<char>(type));
    switch (type) {
    case VarType::Integer:
    case VarType::Long:
        appendVarint(m_bytes, zigzag(value.toLong()));
        break;
    case VarType::Boolean:
        m_bytes.push_back(value.toBool() ? 1 : 0);
        break;
    case VarType::Double:
        appendDouble(m_bytes, value.toDouble());
        break;
    case VarType::Date:
        appendDouble(m_bytes, value.dateValue());
        break;
    case VarType::String: {
        const auto &text = value.stringValue();
        appendVarint(m_bytes, text.size());
        m_bytes.insert(m_bytes.end(), text.begin(), text.end());
        break;
    }
    case VarType::Object:
        appendVarint(m_bytes, m_objects.size());
        m_objects.push_back(value.objectValue());
        break;
    case VarType::Empty:
    case VarType::Null:
        break;
    }
}

Variant VariantColumn::operator[](size_t index) const
{
    const char *p = m_bytes.data() + m_starts[index];
    switch (static_cast<VarType>(*p++)) {
    case VarType::Integer:
        return Variant(static_cast<int16_t>(unzigzag(readVarint(p))));
    case VarType::Long:
        return Variant(static_cast<int32_t>(unzigzag(readVarint(p))));
    case VarType::Boolean:
        return Variant(*p != 0);
    case VarType::Double:
        return Variant(readDouble(p));
    case VarType::Date:
        return Variant::date(readDouble(p));
    case VarType::String: {
        const auto length = static_cast<size_t>(readVarint(p));
        return Variant(std::string(p, length));
    }
    case VarType::Object:
        return Variant(m_objects[static_cast<size_t>(readVarint(p))]);
    case VarType::Null:
        return Variant::null();
    case VarType::Empty:
        break;
    }
    return Variant();
}

void VariantColumn::swap(size_t first, size_t second)
{
    const Variant atFirst = (*this)[first];
    const Variant atSecond = (*this)[second];
    // Both are written again at the end; the bytes they had stay unused.
    push_back(atSecond);
    m_starts[first] = m_starts.back();
    m_starts.pop_back();
    push_back(atFirst);
    m_starts[second] = m_starts.back();
    m_starts.pop_back();
}

void VariantColumn::clear()
{
    m_bytes.clear();
    m_starts.clear();
    m_objects.clear();
}

void VariantColumn::reserve(size_t count, size_t bytesEach)
{
    m_starts.reserve(m_starts.size() + count);
    m_bytes.reserve(m_bytes.size() + count * bytesEach);
}

void VariantColumn::shrinkToFit()
{
    m_bytes.shrink_to_fit();
    m_starts.shrink_to_fit();
}

} // namespace orvan::base
