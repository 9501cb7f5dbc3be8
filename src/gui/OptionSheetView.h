#pragma once

#include <QBrush>
#include <QStringList>
#include <QTableWidget>

#include <functional>
#include <string>
#include <vector>

namespace orvan::forms {
struct OptionSheet;
struct OptionRow;
} // namespace orvan::forms

namespace orvan::gui {

// A page of options as a two-column property list: the caption, then an editor for the
// value by the row's kind (check box, spin box within the limits, line edit, combo box,
// push button). A finished edit goes to the owner's change function, which runs it under
// gui::guarded; the row is then shown again from the sheet, so a refused value goes back.
class OptionSheetView : public QTableWidget
{
    Q_OBJECT

public:
    using SheetSource = std::function<forms::OptionSheet *()>;
    using ChangeFunction = std::function<bool(const std::string &key, const std::string &text)>;

    OptionSheetView(SheetSource source, ChangeFunction change, const QStringList &headings,
                    QWidget *parent = nullptr);
    ~OptionSheetView() override;

    // Shows the sheet's rows: rebuilt when its rows changed, else the values updated.
    void render();
    // The editor of a row (its cell; the input widget is its child), or nullptr.
    QWidget *editor(const std::string &key) const;
    // The height that shows every row.
    int contentHeight() const;
    // The captions of the rows the predicate marks (a search's) take the brush as
    // background.
    void markRows(std::function<bool(const std::string &key)> marked, QBrush brush);

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct RowShape
    {
        std::string key;
        int kind = 0;
        std::vector<std::string> listItems;
        bool operator==(const RowShape &) const = default;
    };

    static std::vector<RowShape> shapeOf(const forms::OptionSheet &sheet);
    void rebuild(const forms::OptionSheet &sheet);
    void showValue(int index, const forms::OptionRow &row);
    QWidget *makeEditor(const forms::OptionRow &row);
    QWidget *makeValueEditor(const forms::OptionRow &row);
    QWidget *makeNumberEditor(const forms::OptionRow &row);
    void change(const std::string &key, const std::string &text);
    void fitCaptionColumn();

    SheetSource m_source;
    ChangeFunction m_change;
    std::vector<RowShape> m_shape;
    std::vector<QWidget *> m_editors;
    std::function<bool(const std::string &key)> m_marked;
    QBrush m_markBrush;
    QObject *m_wheelGuard = nullptr;
    bool m_rendering = false;
    bool m_changing = false;
};

} // namespace orvan::gui
