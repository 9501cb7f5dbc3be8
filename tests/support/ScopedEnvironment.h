#pragma once

#include <stdlib.h>

#include <map>
#include <optional>
#include <string>

namespace orvan::test {

// Environment variables set or removed for the life of the object; each gets back the
// value it had before the object first changed it (or is removed again).
class ScopedEnvironment
{
public:
    ScopedEnvironment() = default;
    ~ScopedEnvironment()
    {
        for (const auto &[name, value] : m_saved) {
            if (value)
                ::setenv(name.c_str(), value->c_str(), 1);
            else
                ::unsetenv(name.c_str());
        }
    }
    ScopedEnvironment(const ScopedEnvironment &) = delete;
    ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;

    void set(const std::string &name, const std::string &value)
    {
        save(name);
        ::setenv(name.c_str(), value.c_str(), 1);
    }
    void unset(const std::string &name)
    {
        save(name);
        ::unsetenv(name.c_str());
    }

private:
    void save(const std::string &name)
    {
        if (m_saved.count(name))
            return;
        const char *value = ::getenv(name.c_str());
        m_saved.emplace(name, value ? std::optional<std::string>(value) : std::nullopt);
    }

    std::map<std::string, std::optional<std::string>> m_saved;
};

} // namespace orvan::test
