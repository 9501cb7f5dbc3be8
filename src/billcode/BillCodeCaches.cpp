#include "billcode/BillCodeCaches.h"

#include "billcode/RecordFields.h"

#include <functional>

#include "base/Error.h"
#include "component/BillCodeComponents.h"
#include "component/ComponentRegistry.h"
#include "component/ProcessState.h"
#include "component/Translation.h"

namespace orvan::billcode {
namespace {

constexpr int32_t DateProject = 2;
constexpr int32_t BaseDataProject = 9;

using Reader =
    std::function<db::RecordsetPtr(component::BillCodeRuleComponent &, const std::string &)>;

// The rows a call of a fresh rule component returns; null when it fails.
db::RecordsetPtr askRuleComponent(const Reader &read)
{
    try {
        auto component =
            component::ComponentRegistry::instance().createAs<component::BillCodeRuleComponent>(
                component::ProgId::BillCodeRule);
        return read(*component, component::processState().connectString);
    } catch (const base::Error &) {
        return nullptr;
    }
}

BillOptions billOptionsOf(const db::Recordset &rows)
{
    BillOptions options;
    options.FBillName = textField(rows, "FBillName");
    options.FUseBillCodeRule = numberField(rows, "FUseBillCodeRule");
    options.FCanAlterBillNo = numberField(rows, "FCanAlterBillNo");
    options.FCheckAfterSave = numberField(rows, "FCheckAfterSave");
    options.FSingleApproval = numberField(rows, "FSingleApproval");
    options.FSingleUnApproval = numberField(rows, "FSingleUnApproval");
    options.FEditSelfBill = numberField(rows, "FEditSelfBill");
    return options;
}

CheckItem checkItemOf(const db::Recordset &rows)
{
    CheckItem item;
    item.FID = numberField(rows, "FID");
    item.FBillTypeID = numberField(rows, "FBillTypeID");
    item.FItemID = numberField(rows, "FItemID");
    item.FName = textField(rows, "FName");
    item.FTable = textField(rows, "FTable");
    item.FField = textField(rows, "FField");
    return item;
}

// The account the caches are read from, as it is now, and the language their texts are
// in; "" when the connection cannot tell whether the account changed.
std::string accountState()
{
    std::string stamp;
    base::tryStep([&stamp] {
        if (const auto &connection = component::processState().connection)
            stamp = connection->changeStamp();
    });
    if (stamp.empty())
        return {};
    return component::processState().connectString + "|" + stamp + "|" + component::LoginLanguage();
}

} // namespace

BillCodeCaches &BillCodeCaches::instance()
{
    static BillCodeCaches caches;
    return caches;
}

void BillCodeCaches::reset()
{
    instance() = BillCodeCaches();
}

void BillCodeCaches::loadAll()
{
    const std::string state = accountState();
    if (!state.empty() && state == m_loadedFor)
        return;
    m_loadedFor.clear();
    const bool checkItemsRead = loadCheckItems();
    const bool projectOptionsRead = loadProjectOptions();
    buildFormatLists();
    const bool billOptionsRead = loadBillOptions();
    if (checkItemsRead && projectOptionsRead && billOptionsRead)
        m_loadedFor = state;
}

bool BillCodeCaches::loadBillOptions()
{
    auto rows = askRuleComponent([](auto &component, const std::string &connectString) {
        return component.GetOptionByBill(connectString);
    });
    for (auto row = rows; row && !row->isEOF(); row->MoveNext())
        m_billOptions[row->Fields("FBillID").Value().text()] = billOptionsOf(*row);
    return rows != nullptr;
}

bool BillCodeCaches::loadCheckItems()
{
    auto rows = askRuleComponent([](auto &component, const std::string &connectString) {
        return component.GetCheckProj(connectString);
    });
    if (!rows || rows->isEOF())
        return rows != nullptr;
    // Each run of adjacent rows of one bill forms that bill's list.
    std::string runKey;
    std::vector<CheckItem> run;
    for (; !rows->isEOF(); rows->MoveNext()) {
        const std::string key = rows->Fields("FID").Value().text();
        if (key != runKey && !run.empty()) {
            m_checkItems[runKey] = std::move(run);
            run.clear();
        }
        runKey = key;
        run.push_back(checkItemOf(*rows));
    }
    m_checkItems[runKey] = std::move(run);
    return true;
}

bool BillCodeCaches::loadProjectOptions()
{
    auto rows = askRuleComponent([](auto &component, const std::string &connectString) {
        return component.GetOptionByProj(connectString);
    });
    if (!rows || rows->isEOF())
        return rows != nullptr;
    // Each run of adjacent rows of one project forms that project's list.
    int32_t runProject = numberField(*rows, "FProjectID");
    std::map<int32_t, std::string> run;
    for (; !rows->isEOF(); rows->MoveNext()) {
        const int32_t project = numberField(*rows, "FProjectID");
        if (project != runProject) {
            m_projectOptions[runProject] = std::move(run);
            run.clear();
            runProject = project;
        }
        run[numberField(*rows, "FID")] = component::TranslateText(textField(*rows, "FOption"));
    }
    m_projectOptions[runProject] = std::move(run);
    return true;
}

void BillCodeCaches::buildFormatLists()
{
    m_dateFormats = formatListOf(DateProject);
    m_baseDataFormats = formatListOf(BaseDataProject);
}

std::vector<std::string> BillCodeCaches::formatListOf(int32_t projectId) const
{
    std::vector<std::string> list{""};
    for (const auto &[id, option] : projectOptions(projectId))
        list.push_back(option);
    return list;
}

const BillOptions *BillCodeCaches::billOptions(const std::string &billId) const
{
    const auto found = m_billOptions.find(billId);
    return found == m_billOptions.end() ? nullptr : &found->second;
}

void BillCodeCaches::replaceBillOptions(const std::string &billId, const BillOptions &options)
{
    m_billOptions[billId] = options;
}

const std::vector<CheckItem> &BillCodeCaches::checkItems(const std::string &billId) const
{
    static const std::vector<CheckItem> none;
    const auto found = m_checkItems.find(billId);
    return found == m_checkItems.end() ? none : found->second;
}

const CheckItem *BillCodeCaches::checkItem(const std::string &billId, int position) const
{
    const auto &items = checkItems(billId);
    if (position < 1 || position > static_cast<int>(items.size()))
        return nullptr;
    return &items[static_cast<size_t>(position - 1)];
}

int32_t BillCodeCaches::checkItemId(const std::string &billId, int position) const
{
    const auto *item = checkItem(billId, position);
    return item ? item->FItemID : 0;
}

const std::map<int32_t, std::string> &BillCodeCaches::projectOptions(int32_t projectId) const
{
    static const std::map<int32_t, std::string> none;
    const auto found = m_projectOptions.find(projectId);
    return found == m_projectOptions.end() ? none : found->second;
}

} // namespace orvan::billcode
