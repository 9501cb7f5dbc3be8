#include "base/Dictionary.h"

#include "base/Error.h"
#include "base/Text.h"

namespace orvan::base {
namespace {

enum DictionaryMember : DispId {
    MemberItem = 0,
    MemberAdd = 1,
    MemberCount = 2,
    MemberExists = 3,
    MemberRemove = 4,
    MemberRemoveAll = 5,
};

InterfaceInfo makeDictionaryInfo()
{
    const ParamInfo key{"Key", "Variant", VarType::Empty, false, {}, false};
    const ParamInfo item{"Item", "Variant", VarType::Empty, false, {}, false};
    return InterfaceInfo{
        "IDictionary",
        "",
        {
            {"Item", MemberItem, MemberKind::Property, "Variant", VarType::Empty, {key}},
            {"Add", MemberAdd, MemberKind::Method, "", VarType::Empty, {key, item}},
            {"Count", MemberCount, MemberKind::PropertyGet, "Long", VarType::Long, {}},
            {"Exists", MemberExists, MemberKind::Method, "Boolean", VarType::Boolean, {key}},
            {"Remove", MemberRemove, MemberKind::Method, "", VarType::Empty, {key}},
            {"RemoveAll", MemberRemoveAll, MemberKind::Method, "", VarType::Empty, {}},
        },
    };
}

} // namespace

Dictionary::Dictionary(CompareMode mode)
    : m_mode(mode)
{}

void Dictionary::add(std::string_view key, Variant value)
{
    auto normal = normalized(key);
    if (m_index.count(normal))
        throw Error(ErrorNumber::DuplicateKey,
                    "This key is already associated with an element of this collection");
    m_index.emplace(std::move(normal), m_entries.size());
    m_entries.emplace_back(std::string(key), std::move(value));
}

void Dictionary::set(std::string_view key, Variant value)
{
    const auto found = m_index.find(normalized(key));
    if (found == m_index.end())
        add(key, std::move(value));
    else
        m_entries[found->second].second = std::move(value);
}

bool Dictionary::exists(std::string_view key) const
{
    return m_index.count(normalized(key)) != 0;
}

const Variant &Dictionary::item(std::string_view key) const
{
    const auto found = m_index.find(normalized(key));
    if (found == m_index.end())
        throw Error(ErrorNumber::InvalidProcedureCall, "Invalid procedure call or argument");
    return m_entries[found->second].second;
}

Variant Dictionary::value(std::string_view key, const Variant &fallback) const
{
    const auto found = m_index.find(normalized(key));
    return found == m_index.end() ? fallback : m_entries[found->second].second;
}

void Dictionary::remove(std::string_view key)
{
    const auto found = m_index.find(normalized(key));
    if (found == m_index.end())
        throw Error(ErrorNumber::InvalidProcedureCall, "Invalid procedure call or argument");
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(found->second));
    reindex();
}

void Dictionary::clear()
{
    m_entries.clear();
    m_index.clear();
}

std::vector<std::string> Dictionary::keys() const
{
    std::vector<std::string> result;
    result.reserve(m_entries.size());
    for (const auto &entry : m_entries)
        result.push_back(entry.first);
    return result;
}

const InterfaceInfo *Dictionary::typeInfo() const
{
    static const InterfaceInfo info = makeDictionaryInfo();
    return &info;
}

Variant Dictionary::dispatch(DispId id, InvokeKind kind, std::vector<Variant> &args)
{
    switch (id) {
    case MemberItem:
        if (kind == InvokeKind::PropertyPut) {
            set(args[0].text(), args[1]);
            return {};
        }
        return value(args[0].text());
    case MemberAdd:
        add(args[0].text(), args[1]);
        return {};
    case MemberCount:
        return Variant(static_cast<int32_t>(count()));
    case MemberExists:
        return Variant(exists(args[0].text()));
    case MemberRemove:
        remove(args[0].text());
        return {};
    case MemberRemoveAll:
        clear();
        return {};
    default:
        return Object::dispatch(id, kind, args);
    }
}

std::string Dictionary::normalized(std::string_view key) const
{
    return m_mode == CompareMode::Text ? upperCase(key) : std::string(key);
}

void Dictionary::reindex()
{
    m_index.clear();
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        m_index.emplace(normalized(m_entries[i].first), i);
}

} // namespace orvan::base
