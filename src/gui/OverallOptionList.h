#pragma once

#include <QListWidget>

#include <string>

namespace orvan::forms {
struct CheckList;
}

namespace orvan::gui {

// A list of check boxes over a forms::CheckList, in columns that fill the space it has.
// The user's ticks and the right button's release are reported; the boxes always show
// the list's state.
class OverallOptionList : public QListWidget
{
    Q_OBJECT

public:
    explicit OverallOptionList(QWidget *parent = nullptr);

    // Shows the list's entries and their check states.
    void render(const forms::CheckList &list);

signals:
    void entryToggled(const std::string &key, bool checked);
    void rightButtonReleased(const QPoint &globalPos);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool sameEntries(const forms::CheckList &list) const;

    bool m_rendering = false;
};

} // namespace orvan::gui
