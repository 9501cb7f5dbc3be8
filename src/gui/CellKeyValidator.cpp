#include "gui/CellKeyValidator.h"

#include "gui/CellGridView.h"

namespace orvan::gui {

CellKeyValidator::CellKeyValidator(const CellGridView &view, QObject *parent)
    : QValidator(parent)
    , m_view(view)
{}

QValidator::State CellKeyValidator::validate(QString &input, int &pos) const
{
    QString kept;
    int keptBeforeCursor = 0;
    for (int i = 0; i < input.size(); ++i) {
        if (!m_view.acceptsText(input.at(i)))
            continue;
        kept += input.at(i);
        if (i < pos)
            ++keptBeforeCursor;
    }
    input = kept;
    pos = keptBeforeCursor;
    return Acceptable;
}

} // namespace orvan::gui
