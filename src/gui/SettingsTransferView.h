#pragma once

#include <vector>

#include "gui/FormDialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace orvan::mainwindow {
class SettingsTransferWindow;
}

namespace orvan::gui {

// Export settings: the file and the kinds of settings to write. Import settings: the
// file, Check, the list of what would change and what is refused, then Import (only
// after a check that refused nothing).
class SettingsTransferView : public FormDialog
{
    Q_OBJECT

public:
    explicit SettingsTransferView(mainwindow::SettingsTransferWindow &window,
                                  QWidget *parent = nullptr);

    QLineEdit *pathBox() const { return m_path; }
    QTableWidget *table() const { return m_table; }
    QPushButton *applyButton() const { return m_apply; }

protected:
    void refresh() override;

private:
    void addScopes(QLayout *layout);
    void addList(QLayout *layout);
    void browse();

    mainwindow::SettingsTransferWindow &m_window;
    QLineEdit *m_path;
    std::vector<QCheckBox *> m_scopes;
    QTableWidget *m_table = nullptr;
    QPushButton *m_apply = nullptr;
    QLabel *m_status;
};

void registerSettingsTransferView();

} // namespace orvan::gui
