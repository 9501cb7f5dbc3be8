#pragma once

#include <cstdint>
#include <string>

namespace orvan::mainwindow {

// The help topic F1 opens in the maintenance window. subId is the login's "SUBID"
// entry; setCode the selected node's set code; alarmCategory the option-profile control's
// alarm category (read for the alarm class only). Case is ignored throughout.
int32_t helpIdFor(int32_t sysClass, const std::string &subId, const std::string &setCode,
                  const std::string &alarmCategory);

} // namespace orvan::mainwindow
