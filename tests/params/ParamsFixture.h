#pragma once

#include <string>

#include "params/ProfileFlags.h"
#include "support/AccountFixture.h"

namespace orvan::test {

// A fresh process on a scratch account that holds the account schema and only the rows a
// test adds, connected as the process's account, the login published.
class ParamsFixture : public AccountFixture<params::ProfileFlags>
{
protected:
    ParamsFixture()
        : AccountFixture(TempAccount::Content::SchemaOnly)
    {}

    void SetUp() override
    {
        AccountFixture::SetUp();
        connectProcess();
    }

    // The rows of a query on the process's connection as "a|b;c|d;".
    std::string rowsOf(const std::string &sql)
    {
        auto rows = connection().Execute(sql);
        std::string text;
        for (; rows && !rows->isEOF(); rows->MoveNext()) {
            for (int i = 0; i < rows->fieldCount(); ++i)
                text += (i ? "|" : "") + rows->Fields(i).Value().text();
            text += ";";
        }
        return text;
    }
};

} // namespace orvan::test
