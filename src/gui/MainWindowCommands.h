#pragma once

#include <QFont>
#include <QString>

#include <optional>

#include "forms/Help.h"
#include "forms/Printer.h"

class QWidget;

namespace orvan::mainwindow {
class MaintenanceWindow;
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

// Shows help topics over the active window.
// The help page of a node in the login's language ("" when the program has no help file).
QString helpPageText(const std::string &nodeKey);

class QtHelpViewer : public forms::HelpViewer
{
public:
    void show(const forms::HelpTopic &topic) override;
};

} // namespace orvan::gui
