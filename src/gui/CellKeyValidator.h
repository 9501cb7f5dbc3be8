#pragma once

#include <QValidator>

namespace orvan::gui {

class CellGridView;

// Keeps pasted text to the characters the grid's filter takes.
class CellKeyValidator : public QValidator
{
public:
    CellKeyValidator(const CellGridView &view, QObject *parent);

    State validate(QString &input, int &pos) const override;

private:
    const CellGridView &m_view;
};

} // namespace orvan::gui
