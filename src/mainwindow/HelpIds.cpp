#include "mainwindow/HelpIds.h"

#include <initializer_list>
#include <string_view>
#include <utility>

#include "base/Text.h"

namespace orvan::mainwindow {
namespace {

using Choices = std::initializer_list<std::pair<std::string_view, int32_t>>;

int32_t choose(const std::string &value, Choices choices, int32_t otherwise)
{
    for (const auto &[name, helpId] : choices) {
        if (value == name)
            return helpId;
    }
    return otherwise;
}

int32_t accountingHelpId(const std::string &subId)
{
    return choose(subId,
                  {{"XS", 260095},
                   {"CC", 220081},
                   {"CG", 230059},
                   {"HS", 250052},
                   {"QM", 440058},
                   {"JH", 300037},
                   {"OPCOST", 500017}},
                  250052);
}

int32_t alarmHelpId(const std::string &category)
{
    return category == "GMP" ? 130340 : 440080;
}

int32_t setCodeHelpId(const std::string &setCode, const std::string &subId)
{
    if (setCode == "SYS_SET")
        return choose(
            subId,
            {{"QM", 440059}, {"JH", 300042}, {"LP", 540025}, {"CB", 470017}, {"STDCOST", 2000021}},
            220087);
    if (setCode == "PRINT_SET")
        return choose(subId, {{"QM", 440065}, {"JH", 300045}, {"LP", 540028}}, 220091);
    if (setCode == "BILLTRANTYPE_SET")
        return choose(subId, {{"QM", 440068}, {"JH", 300046}, {"LP", 540025}}, 220094);
    if (setCode == "BILLNO_SET")
        return choose(subId,
                      {{"QM", 440062},
                       {"JH", 300044},
                       {"LP", 540027},
                       {"BOSIDE", 580061},
                       {"AR", 10048},
                       {"AP", 41}},
                      220088);
    const int32_t helpId = choose(setCode,
                                  {{"OPCOST", 500017},
                                   {"SJCB", 40031},
                                   {"STOCK_SET", 220099},
                                   {"CACULATE_SET", 250070},
                                   {"SALE_SET", 260113},
                                   {"PURCHASE_SET", 230077},
                                   {"IMP_SET", 210064},
                                   {"EXP_SET", 200051},
                                   {"DRP_SET", 430123},
                                   {"FAX_SET", 240047},
                                   {"GYLZT_SET", 220098},
                                   {"DEVICE_SET", 190015},
                                   {"CJ_SET", 330031},
                                   {"JH_SET", 300047},
                                   {"QM_SET", 440061},
                                   {"OPERM_SET", 290038},
                                   {"SUBC_SET", 340019},
                                   {"LP_SET", 540184}},
                                  0);
    return helpId == 0 && subId == "CB" ? 470017 : helpId;
}

} // namespace

int32_t helpIdFor(int32_t sysClass, const std::string &subId, const std::string &setCode,
                  const std::string &alarmCategory)
{
    const auto sub = base::upperCase(subId);
    if (sysClass == 1)
        return accountingHelpId(sub);
    if (sysClass == 4)
        return alarmHelpId(base::upperCase(alarmCategory));
    return setCodeHelpId(base::upperCase(setCode), sub);
}

} // namespace orvan::mainwindow
