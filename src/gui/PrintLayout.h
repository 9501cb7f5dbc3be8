#pragma once

#include <QFont>

class QPrinter;

namespace orvan::forms {
struct PrintDocument;
}

namespace orvan::gui {

// Lays a document out on the printer's pages: the letterhead and the time printed, the
// title, the column headings (wrapped, never cut) repeated on every page, the rows in
// ruled cells whose widths follow their texts and fill the page width, and "page n of
// m" at the foot of each page.
class PrintLayout
{
public:
    PrintLayout(const forms::PrintDocument &document, QFont bodyFont);

    // Whether the columns need more room than a portrait page gives them.
    bool prefersLandscape(QPrinter &printer) const;

    // Paints every page; false when the printer could not be opened.
    bool paint(QPrinter &printer) const;

private:
    const forms::PrintDocument &m_document;
    QFont m_bodyFont;
};

} // namespace orvan::gui
