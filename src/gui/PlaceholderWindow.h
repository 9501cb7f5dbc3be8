#pragma once

#include <QDialog>

namespace orvan::gui {

// Shown where the maintenance window will open: names the account, user and class the
// window would show, so the start-up path can be tried end to end.
class PlaceholderWindow : public QDialog
{
    Q_OBJECT

public:
    explicit PlaceholderWindow(QWidget *parent = nullptr);
};

} // namespace orvan::gui
