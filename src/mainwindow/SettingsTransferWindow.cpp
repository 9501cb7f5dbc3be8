#include "mainwindow/SettingsTransferWindow.h"

#include <algorithm>

#include "base/Error.h"
#include "component/Translation.h"
#include "forms/Messages.h"
#include "transfer/SettingsFile.h"
#include "transfer/SettingsImport.h"

namespace orvan::mainwindow {
namespace {

using component::FormatText;
using component::TranslateText;

std::vector<std::string> rowOf(const transfer::SettingsEntry &entry, std::string current,
                               std::string note)
{
    return {entry.table,        entry.record(),           entry.field,
            std::move(current), entry.value.value_or(""), std::move(note)};
}

std::string joined(const std::vector<std::string> &notes)
{
    std::string text;
    for (const auto &note : notes)
        text += (text.empty() ? "" : " ") + note;
    return text;
}

} // namespace

const std::vector<std::string> &SettingsTransferWindow::headings()
{
    static const std::vector<std::string> texts = {"表", "记录", "字段", "当前值", "新值", "说明"};
    return texts;
}

const char *SettingsTransferWindow::scopeCaption(const std::string &scope)
{
    static const std::pair<const char *, const char *> captions[] = {
        {"options", "系统参数与选项"}, {"useroptions", "用户选项"},  {"calculation", "核算参数"},
        {"numbering", "单据编码"},     {"printcontrol", "打印控制"}, {"billtypes", "单据类型"},
        {"vouchergroups", "凭证字"},   {"periods", "会计期间"}};
    for (const auto &[name, caption] : captions)
        if (scope == name)
            return caption;
    return "";
}

SettingsTransferWindow::SettingsTransferWindow(Mode mode)
    : m_mode(mode)
    , m_title(TranslateText(mode == Mode::Export ? "导出设置" : "导入设置"))
{
    for (const auto &scope : transfer::settingsScopes())
        m_scopes.emplace_back(scope, true);
}

void SettingsTransferWindow::setPath(std::string path)
{
    if (path == m_path)
        return;
    m_path = std::move(path);
    forgetCheck();
    notifyChanged();
}

void SettingsTransferWindow::chooseScope(const std::string &scope, bool chosen)
{
    for (auto &[name, on] : m_scopes)
        if (name == scope)
            on = chosen;
    notifyChanged();
}

void SettingsTransferWindow::forgetCheck()
{
    m_rows.clear();
    m_refusals = 0;
    m_checked = false;
    m_status.clear();
}

void SettingsTransferWindow::fail(const std::string &why)
{
    m_status = why;
    notifyChanged();
    forms::showMessage(m_title, why, forms::Buttons::Ok, forms::Icon::Warning);
}

void SettingsTransferWindow::exportFile()
{
    std::vector<std::string> chosen;
    for (const auto &[name, on] : m_scopes)
        if (on)
            chosen.push_back(name);
    if (m_path.empty() || chosen.empty())
        return fail(TranslateText(m_path.empty() ? "请先选择文件。" : "请至少选择一类设置。"));
    try {
        const auto entries = transfer::readSettings(chosen);
        transfer::writeSettingsText(m_path, transfer::settingsText(chosen, entries));
        m_status = FormatText("已导出%1个值到%2。", std::to_string(entries.size()), m_path);
    } catch (const base::Error &error) {
        return fail(error.description());
    }
    notifyChanged();
}

void SettingsTransferWindow::check()
{
    forgetCheck();
    if (m_path.empty())
        return fail(TranslateText("请先选择文件。"));
    try {
        const auto file = transfer::parseSettingsFile(transfer::readSettingsText(m_path));
        const auto report = transfer::importSettings(file, true);
        for (const auto &change : report.changes)
            m_rows.push_back(
                rowOf(change.entry, change.current.value_or(""), joined(change.notes)));
        for (const auto &refusal : report.refused)
            m_rows.push_back(rowOf(refusal.entry, "", FormatText("拒绝：%1", refusal.reason)));
        for (const auto &entry : report.kept)
            m_rows.push_back(rowOf(entry, "", TranslateText("不导入：账套自身的期间。")));
        m_refusals = report.refused.size();
        m_checked = true;
        const auto changes = std::to_string(report.changes.size());
        m_status = m_refusals > 0
                       ? FormatText("%1个值被拒绝，不能导入。", std::to_string(m_refusals))
                   : report.changes.empty() ? TranslateText("账套已有文件中的全部值。")
                                            : FormatText("将修改%1个值，可以导入。", changes);
    } catch (const base::Error &error) {
        return fail(error.description());
    }
    notifyChanged();
}

void SettingsTransferWindow::apply()
{
    if (!canApply())
        return;
    try {
        const auto file = transfer::parseSettingsFile(transfer::readSettingsText(m_path));
        const auto report = transfer::importSettings(file, false);
        if (!report.applied) {
            check(); // the account or the file changed since the check: show why
            return;
        }
        m_accountChanged = true;
        m_rows.clear();
        m_checked = false;
        m_status = FormatText("已导入%1个值。", std::to_string(report.changes.size()));
    } catch (const base::Error &error) {
        return fail(error.description());
    }
    notifyChanged();
}

} // namespace orvan::mainwindow
