#include "gui/PilotPanelView.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QPixmap>
#include <QProgressBar>
#include <QVBoxLayout>

#include "base/DataFiles.h"
#include "gui/QtShell.h"
#include "planning/PilotPanel.h"

namespace orvan::gui {
namespace {

constexpr int TwipsPerPixel = 15;

QPixmap dataImage(const char *relativePath)
{
    return QPixmap(QString::fromStdString(base::dataFilePath(relativePath)));
}

} // namespace

PilotPanelView::PilotPanelView(planning::PilotPanel &panel, QWidget *parent)
    : FormDialog(panel, parent)
    , m_panel(panel)
    , m_adjustImage(dataImage("images/adjust.png"))
    , m_deleteImage(dataImage("images/delete.png"))
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_frame = new QFrame(this);
    m_frame->setFrameShape(QFrame::StyledPanel);
    m_picture = new QLabel(m_frame);
    m_animation = new QLabel(m_frame);
    m_animation->hide();
    m_bar = new QProgressBar(m_frame);
    m_bar->setTextVisible(true);
    m_text = new QLabel(m_frame);
    m_text->setWordWrap(true);

    auto *top = new QHBoxLayout;
    top->addWidget(m_picture);
    top->addWidget(m_animation);
    top->addWidget(m_text, 1);
    auto *frameLayout = new QVBoxLayout(m_frame);
    frameLayout->addLayout(top);
    frameLayout->addWidget(m_bar);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_frame);
    setFixedWidth(420);
    refresh();
}

void PilotPanelView::refresh()
{
    m_text->setText(QString::fromStdString(m_panel.labelText()));
    const auto &bar = m_panel.progressBar();
    m_bar->setRange(bar.min, bar.max);
    m_bar->setValue(bar.value);
    m_bar->setVisible(bar.visible);
    m_picture->setPixmap(m_panel.pictureImage() == 1 ? m_adjustImage : m_deleteImage);
    m_picture->setVisible(m_panel.pictureVisible());
    if (m_panel.animationRunning() && !m_movie) {
        m_movie = new QMovie(QString::fromStdString(m_panel.animationFile()), {}, this);
        m_animation->setMovie(m_movie);
        m_movie->start();
    } else if (!m_panel.animationRunning() && m_movie) {
        m_movie->stop();
    }
    m_animation->setVisible(m_panel.animationVisible() && m_panel.animationRunning());
    setFixedHeight(m_panel.panelHeight() / TwipsPerPixel);
}

void registerPilotPanelView()
{
    QtShell::registerView("PilotPanel", [](forms::Form &form, QWidget *parent) {
        return std::make_unique<PilotPanelView>(static_cast<planning::PilotPanel &>(form), parent);
    });
}

} // namespace orvan::gui
