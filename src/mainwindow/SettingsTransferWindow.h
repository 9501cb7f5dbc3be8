#pragma once

#include <string>
#include <utility>
#include <vector>

#include "forms/Form.h"

namespace orvan::mainwindow {

// File > Export settings and File > Import settings: the account's parameters written
// to a settings file, or a settings file's values taken into the account. An import is
// checked first (what would change, what is refused and why) and can be applied only
// after a check of the same file that refused nothing; it is applied whole or not at all.
class SettingsTransferWindow : public forms::Form
{
public:
    enum class Mode { Export, Import };

    // The columns of the import's list, untranslated.
    static const std::vector<std::string> &headings();

    explicit SettingsTransferWindow(Mode mode);

    std::string formName() const override { return "frmSettingsTransfer"; }
    void load() override {}

    Mode mode() const { return m_mode; }
    const std::string &title() const { return m_title; }

    const std::string &path() const { return m_path; }
    // A new file forgets the last check.
    void setPath(std::string path);

    // A scope as the window names it, untranslated.
    static const char *scopeCaption(const std::string &scope);

    // The scopes an export writes, each with whether it is chosen (all at first).
    const std::vector<std::pair<std::string, bool>> &scopes() const { return m_scopes; }
    void chooseScope(const std::string &scope, bool chosen);
    void exportFile();

    // Lists the file's changes and refusals without writing anything.
    void check();
    bool canApply() const { return m_checked && m_refusals == 0 && !m_rows.empty(); }
    void apply();
    // The account took an import: the maintenance window shows it again.
    bool accountChanged() const { return m_accountChanged; }

    const std::vector<std::vector<std::string>> &rows() const { return m_rows; }
    const std::string &status() const { return m_status; }

private:
    void forgetCheck();
    void fail(const std::string &why);

    Mode m_mode;
    std::string m_title;
    std::string m_path;
    std::vector<std::pair<std::string, bool>> m_scopes;
    std::vector<std::vector<std::string>> m_rows;
    std::string m_status;
    size_t m_refusals = 0;
    bool m_checked = false;
    bool m_accountChanged = false;
};

} // namespace orvan::mainwindow
