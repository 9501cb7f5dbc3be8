#pragma once

#include <QPixmap>

#include "gui/FormDialog.h"

class QLabel;
class QMovie;
class QProgressBar;
class QFrame;

namespace orvan::planning {
class PilotPanel;
}

namespace orvan::gui {

// The forecast panel: a picture (or the animation while an adjustment runs), a progress
// bar and a line of text inside a frame.
class PilotPanelView : public FormDialog
{
    Q_OBJECT

public:
    explicit PilotPanelView(planning::PilotPanel &panel, QWidget *parent = nullptr);

protected:
    void refresh() override;

private:
    planning::PilotPanel &m_panel;
    QPixmap m_adjustImage; // image 1: an adjustment
    QPixmap m_deleteImage; // image 2: a deletion
    QFrame *m_frame = nullptr;
    QLabel *m_picture = nullptr;
    QLabel *m_animation = nullptr;
    QMovie *m_movie = nullptr;
    QProgressBar *m_bar = nullptr;
    QLabel *m_text = nullptr;
};

// Registers the view with the Qt shell.
void registerPilotPanelView();

} // namespace orvan::gui
