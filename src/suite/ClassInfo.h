#pragma once

#include "component/BillCodeComponents.h"

namespace orvan::suite {

// "OrvanMClass.ClassInfo": runs the caller's query on the account.
class ClassInfo : public component::ClassInfoComponent
{
public:
    db::RecordsetPtr GetData(const std::string &connectString, const std::string &sql) override;
};

} // namespace orvan::suite
