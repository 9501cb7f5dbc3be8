#pragma once

#include "gui/FormDialog.h"

class QLabel;
class QLineEdit;
class QTableWidget;

namespace orvan::mainwindow {
class HistoryWindow;
}

namespace orvan::gui {

// The history window: a filter box above the rows (newest first), Preview, Print and
// Close below them; a line says so when no row is shown.
class HistoryView : public FormDialog
{
    Q_OBJECT

public:
    explicit HistoryView(mainwindow::HistoryWindow &window, QWidget *parent = nullptr);

    QLineEdit *filterBox() const { return m_filter; }
    QTableWidget *table() const { return m_table; }

protected:
    void refresh() override;

private:
    mainwindow::HistoryWindow &m_window;
    QLineEdit *m_filter;
    QTableWidget *m_table;
    QLabel *m_empty;
};

void registerHistoryView();

} // namespace orvan::gui
