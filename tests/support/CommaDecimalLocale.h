#pragma once

#include <clocale>
#include <locale>
#include <string>

namespace orvan::test {

// The process runs under a locale that writes "1,5" for one and a half, as a window
// does whose user has such a locale (the toolkit takes it from the environment), until
// the object goes. active() is false when the machine has no such locale.
class CommaDecimalLocale
{
public:
    CommaDecimalLocale()
    {
        for (const char *name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"}) {
            if (std::setlocale(LC_ALL, name)) {
                m_active = *std::localeconv()->decimal_point == ',';
                if (m_active)
                    return;
            }
        }
        std::setlocale(LC_ALL, "C");
    }
    ~CommaDecimalLocale() { std::setlocale(LC_ALL, "C"); }
    CommaDecimalLocale(const CommaDecimalLocale &) = delete;
    CommaDecimalLocale &operator=(const CommaDecimalLocale &) = delete;

    bool active() const { return m_active; }

private:
    bool m_active = false;
};

} // namespace orvan::test
