#include "suite/OptionDetailDialog.h"

#include <algorithm>
#include <map>

#include "base/Convert.h"
#include "base/Text.h"
#include "component/OptionDetailForm.h"
#include "component/Translation.h"
#include "db/SqlText.h"
#include "forms/Shell.h"

namespace orvan::suite {
namespace {

struct StoredValue
{
    std::string value;
    bool readOnly = false;
};

// The rows of the layout's keys, by upper-cased key.
std::map<std::string, StoredValue> readValues(component::ConnectionComponent &account,
                                              const OptionDialogLayout &layout)
{
    std::string keys;
    for (const auto &detail : layout.details)
        keys += (keys.empty() ? "" : ",") + db::sqlQuote(detail.key);
    std::map<std::string, StoredValue> values;
    if (keys.empty())
        return values;
    auto rows =
        account.Execute("SELECT FKey,FValue,FReadonly FROM t_SystemProfile WHERE FCategory=" +
                        db::sqlQuote(layout.category) + " AND FKey IN (" + keys + ")");
    for (; rows && !rows->isEOF(); rows->MoveNext())
        values[base::upperCase(rows->Fields("FKey").Value().text())] = {
            rows->Fields("FValue").Value().text(), rows->Fields("FReadonly").Value().toLong() != 0};
    return values;
}

double numberOf(const std::string &text)
{
    return base::isNumericText(text) ? base::textToDouble(text) : 0;
}

void addControl(component::OptionDetailForm &form, const OptionDetail &detail,
                const StoredValue &stored)
{
    const auto caption = component::TranslateText(detail.caption);
    if (!detail.isNumber) {
        form.checkBoxes.push_back({.name = detail.key,
                                   .caption = caption,
                                   .value = numberOf(stored.value) != 0 ? 1 : 0,
                                   .enabled = !stored.readOnly});
        return;
    }
    const auto value =
        std::clamp(numberOf(stored.value), double(detail.minimum), double(detail.maximum));
    form.numbers.push_back({.name = detail.key,
                            .caption = caption,
                            .value = base::toLong(value),
                            .minimum = detail.minimum,
                            .maximum = detail.maximum,
                            .enabled = !stored.readOnly});
}

// The batch that stores one value, adding the row (described by the caption) when absent.
std::string storeProfileValueSql(const std::string &category, const std::string &key,
                                 const std::string &value, const std::string &description)
{
    const auto where = "FCategory=" + db::sqlQuote(category) + " AND FKey=" + db::sqlQuote(key);
    return "IF EXISTS(SELECT 1 FROM t_SystemProfile WHERE " + where + ")\r\n" +
           "UPDATE t_SystemProfile SET FValue=" + db::sqlQuote(value) + " WHERE " + where +
           "\r\nELSE\r\n" +
           "INSERT INTO t_SystemProfile(FCategory,FKey,FValue,FDescription) VALUES(" +
           db::sqlQuote(category) + "," + db::sqlQuote(key) + "," + db::sqlQuote(value) + "," +
           db::sqlQuote(description) + ")";
}

std::string storeSql(const component::OptionDetailForm &form, const OptionDialogLayout &layout)
{
    std::string batch;
    for (const auto &detail : layout.details) {
        std::string value;
        if (const auto *box = form.checkBox(detail.key); box && box->enabled)
            value = box->value ? "1" : "0";
        else if (const auto *number = form.number(detail.key); number && number->enabled)
            value = std::to_string(number->value);
        else
            continue;
        batch += storeProfileValueSql(layout.category, detail.key, value, detail.caption) + "\r\n";
    }
    return batch;
}

} // namespace

bool runOptionDialog(component::ConnectionComponent &account, const OptionDialogLayout &layout)
{
    const auto stored = readValues(account, layout);
    component::OptionDetailForm form(layout.formName);
    form.caption = component::TranslateText(layout.caption);
    for (const auto &detail : layout.details) {
        const auto found = stored.find(base::upperCase(detail.key));
        addControl(form, detail, found == stored.end() ? StoredValue{} : found->second);
    }
    forms::shell().runModal(form);
    if (!form.accepted())
        return false;
    const auto batch = storeSql(form, layout);
    if (!batch.empty())
        account.Execute(batch);
    return true;
}

} // namespace orvan::suite
