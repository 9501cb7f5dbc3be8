#pragma once

#include <QColor>
#include <QWidget>

#include <string>

class QLabel;
class QLineEdit;

namespace orvan::gui {

// The search box above the parameter tree: a line edit and, under it, the text saying
// that nothing matched. Typing reports the text; Enter asks for the next match; Escape
// clears the box.
class SearchBox : public QWidget
{
    Q_OBJECT

public:
    explicit SearchBox(QWidget *parent = nullptr);

    QLineEdit *edit() const { return m_edit; }
    QLabel *emptyLabel() const { return m_empty; }
    // Shows the window's search text (when it is not the one typed) and its empty text.
    void render(const std::string &text, const std::string &emptyText);
    // Ctrl+F: the box takes the focus with its text selected.
    void takeFocus();

    // The background of the options, rows and nodes a search marks.
    static QColor hitColor() { return {255, 236, 153}; }

signals:
    void textTyped(const std::string &text);
    void nextRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_edit = nullptr;
    QLabel *m_empty = nullptr;
};

} // namespace orvan::gui
