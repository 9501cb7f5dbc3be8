#include "component/AccountLookupForm.h"

#include "base/Text.h"
#include "component/Translation.h"

namespace orvan::component {

namespace {

bool matches(const AccountEntry &account, std::string_view text)
{
    return text.empty() || base::startsWithNoCase(account.number, text) ||
           base::findNoCase(account.name, text) != std::string::npos;
}

} // namespace

AccountLookupForm::AccountLookupForm(std::vector<AccountEntry> accounts)
    : m_accounts(std::move(accounts))
{}

void AccountLookupForm::load()
{
    caption = component::TranslateText("会计科目");
    search({});
}

void AccountLookupForm::search(std::string_view text)
{
    m_search = base::trim(text);
    m_rows.clear();
    for (const auto &account : m_accounts)
        if (matches(account, m_search))
            m_rows.push_back(account);
    m_current = m_rows.empty() ? -1 : 0;
    notifyChanged();
}

bool AccountLookupForm::selectRow(int index)
{
    if (index < 0 || index >= static_cast<int>(m_rows.size()))
        return false;
    m_current = index;
    notifyChanged();
    return true;
}

bool AccountLookupForm::selectNumber(std::string_view number)
{
    for (int i = 0; i < static_cast<int>(m_rows.size()); ++i)
        if (base::equalsNoCase(m_rows[static_cast<std::size_t>(i)].number, number))
            return selectRow(i);
    return false;
}

bool AccountLookupForm::press(std::string_view key)
{
    if (closeRequested())
        return false;
    if (base::equalsNoCase(key, OkKey)) {
        if (m_current < 0)
            return false;
        m_chosen = m_rows[static_cast<std::size_t>(m_current)];
    } else if (!base::equalsNoCase(key, CancelKey)) {
        return false;
    }
    close();
    return true;
}

} // namespace orvan::component
