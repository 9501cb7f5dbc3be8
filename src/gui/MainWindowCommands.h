#pragma once

#include <QFont>
#include <QString>

#include <optional>

#include "forms/Printer.h"

class QWidget;

namespace orvan::mainwindow {
class MaintenanceWindow;
}

namespace orvan::suite {
struct HelpTopic;
}

// What the maintenance window's view does itself: the list as a document to print, the
// font dialog, the help topic and the about box.
namespace orvan::gui {

// The font dialog starting at `current`; nothing when the user cancels.
std::optional<QFont> askFont(const QFont &current, QWidget *parent);

// The account file (or connection) and the user of the login in force.
QString accountInUse();
QString userInUse();

// The program's name and version and the account and user in use.
void showAboutBox(QWidget *parent);

// Shows a help topic over the active window.
void showHelpTopic(const suite::HelpTopic &topic);

} // namespace orvan::gui
