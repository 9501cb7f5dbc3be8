#pragma once

#include <cstdint>
#include <vector>

#include "gui/FormDialog.h"

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace orvan::component {
class AccountLookupForm;
}

namespace orvan::gui {

// The account lookup: a search box over the list of accounts (number and name) and
// OK / Cancel. Typing searches, the cursor keys in the search box and clicks in the list
// choose the current account, Enter or a double click takes it.
class AccountLookupDialog : public FormDialog
{
    Q_OBJECT

public:
    explicit AccountLookupDialog(component::AccountLookupForm &form, QWidget *parent = nullptr);

    QLineEdit *searchBox() const { return m_search; }
    QTableWidget *list() const { return m_list; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

protected:
    void refresh() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillList();

    component::AccountLookupForm &m_lookup;
    QLineEdit *m_search = nullptr;
    QTableWidget *m_list = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    std::vector<int32_t> m_shownIds;
    bool m_rendering = false;
};

} // namespace orvan::gui
