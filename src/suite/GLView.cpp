#include "suite/GLView.h"

#include "component/AccountLookupForm.h"
#include "forms/Shell.h"
#include "suite/AppConnection.h"

namespace orvan::suite {

namespace {

std::vector<component::AccountEntry> readAccounts(AppConnection &connection)
{
    std::vector<component::AccountEntry> accounts;
    auto rows =
        connection.Execute("SELECT FAccountID,FNumber,FName FROM t_Account ORDER BY FNumber");
    for (; rows && !rows->isEOF(); rows->MoveNext())
        accounts.push_back({.id = rows->Fields("FAccountID").Value().toLong(),
                            .number = rows->Fields("FNumber").Value().text(),
                            .name = rows->Fields("FName").Value().text()});
    return accounts;
}

} // namespace

GLView::GLView()
    : m_connection(std::make_unique<AppConnection>())
{}

GLView::~GLView() = default;

std::shared_ptr<component::LookupResult> GLView::AccountLookup(const base::Dictionary &)
{
    component::AccountLookupForm window(readAccounts(*m_connection));
    forms::shell().runModal(window);
    auto result = std::make_shared<component::LookupResult>();
    if (const auto &chosen = window.chosen()) {
        result->ReturnOK = true;
        result->ReturnObject = std::make_shared<base::Dictionary>(base::CompareMode::Text);
        result->ReturnObject->set("FAccountID", base::Variant(chosen->id));
        result->ReturnObject->set("FNumber", base::Variant(chosen->number));
        result->ReturnObject->set("FName", base::Variant(chosen->name));
    }
    return result;
}

} // namespace orvan::suite
