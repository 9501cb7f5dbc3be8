#include "gui/PrintLayout.h"

#include <QDateTime>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "component/Translation.h"
#include "forms/Printer.h"
#include "gui/ViewTexts.h"

namespace orvan::gui {
namespace {

// Rows measured for the column widths; longer lists are sized by their first rows.
constexpr std::size_t RowsMeasured = 500;

struct PageGeometry
{
    QRectF area;          // the printable area, in device pixels
    double headHeight;    // letterhead line, title and the space under them
    double headingHeight; // the heading row, as many lines as its longest heading needs
    double rowHeight;     // a data row
    double footerHeight;  // the page number line
    int rowsPerPage;
};

std::size_t columnCountOf(const forms::PrintDocument &document)
{
    std::size_t columns = document.headings.size();
    for (const auto &row : document.rows)
        columns = std::max(columns, row.size());
    return std::max<std::size_t>(columns, 1);
}

QString cellOf(const std::vector<std::string> &cells, std::size_t column)
{
    return column < cells.size() ? qt(cells[column]) : QString();
}

// The widest text of each column, headings on one line, padding included.
std::vector<double> naturalWidths(const forms::PrintDocument &document, const QFontMetricsF &body,
                                  const QFontMetricsF &heading, double padding)
{
    const auto columns = columnCountOf(document);
    std::vector<double> widths(columns, 0.0);
    for (std::size_t c = 0; c < columns; ++c) {
        widths[c] = heading.horizontalAdvance(cellOf(document.headings, c));
        const auto rows = std::min(document.rows.size(), RowsMeasured);
        for (std::size_t r = 0; r < rows; ++r)
            widths[c] = std::max(widths[c], body.horizontalAdvance(cellOf(document.rows[r], c)));
        widths[c] += 2 * padding;
    }
    return widths;
}

// Widths that follow the widest text of each column, scaled to the page width.
std::vector<double> columnWidths(const forms::PrintDocument &document, const QFontMetricsF &body,
                                 const QFontMetricsF &heading, double pageWidth, double padding)
{
    auto widths = naturalWidths(document, body, heading, padding);
    const double total = std::accumulate(widths.begin(), widths.end(), 0.0);
    for (auto &width : widths)
        width = width * pageWidth / std::max(total, 1.0);
    return widths;
}

// A heading is wrapped, never cut: the heading row is as tall as its tallest heading.
double headingRowHeight(const forms::PrintDocument &document, const std::vector<double> &widths,
                        const QFontMetricsF &heading, double padding, double rowHeight)
{
    double height = rowHeight;
    for (std::size_t c = 0; c < widths.size(); ++c) {
        const QRectF area(0, 0, std::max(1.0, widths[c] - 2 * padding), 1e6);
        const auto needed =
            heading.boundingRect(area, Qt::TextWrapAnywhere, cellOf(document.headings, c));
        height = std::max(height, needed.height() + rowHeight - heading.height());
    }
    return height;
}

// One row of ruled cells. Headings wrap onto as many lines as their cell is tall; data
// cells keep one line and are elided.
enum class CellText { Wrapped, Elided };

void paintRow(QPainter &painter, const std::vector<std::string> &cells,
              const std::vector<double> &widths, QPointF at, double height, double padding,
              CellText fit = CellText::Elided)
{
    double x = at.x();
    for (std::size_t c = 0; c < widths.size(); ++c) {
        const QRectF cell(x, at.y(), widths[c], height);
        painter.setPen(QPen(Qt::darkGray, 0));
        painter.drawRect(cell);
        painter.setPen(Qt::black);
        const QRectF textArea = cell.adjusted(padding, 0, -padding, 0);
        if (fit == CellText::Wrapped)
            painter.drawText(textArea, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWrapAnywhere,
                             cellOf(cells, c));
        else
            painter.drawText(textArea, Qt::AlignVCenter | Qt::AlignLeft,
                             painter.fontMetrics().elidedText(cellOf(cells, c), Qt::ElideRight,
                                                              static_cast<int>(textArea.width())));
        x += widths[c];
    }
}

} // namespace

bool PrintLayout::prefersLandscape(QPrinter &printer) const
{
    QFont headingFont = m_bodyFont;
    headingFont.setBold(true);
    const QFontMetricsF body(m_bodyFont, &printer);
    const QFontMetricsF heading(headingFont, &printer);
    const auto widths = naturalWidths(m_document, body, heading, body.averageCharWidth());
    const double total = std::accumulate(widths.begin(), widths.end(), 0.0);
    auto layout = printer.pageLayout();
    layout.setOrientation(QPageLayout::Portrait);
    return total > layout.paintRectPixels(printer.resolution()).width();
}

PrintLayout::PrintLayout(const forms::PrintDocument &document, QFont bodyFont)
    : m_document(document)
    , m_bodyFont(std::move(bodyFont))
{
    // Paper is measured in points; a font sized in pixels would print at the printer's
    // pixel size.
    if (m_bodyFont.pointSizeF() <= 0)
        m_bodyFont.setPointSizeF(10);
}

bool PrintLayout::paint(QPrinter &printer) const
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QFont titleFont = m_bodyFont;
    titleFont.setPointSizeF(m_bodyFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    QFont headingFont = m_bodyFont;
    headingFont.setBold(true);

    painter.setFont(m_bodyFont);
    const QFontMetricsF body(m_bodyFont, &printer);
    const QFontMetricsF heading(headingFont, &printer);
    const QFontMetricsF title(titleFont, &printer);
    const double padding = body.averageCharWidth();

    PageGeometry page;
    page.area =
        QRectF(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    page.headHeight = body.height() * 1.4 + title.height() * 2;
    page.rowHeight = body.height() * 1.6;
    page.footerHeight = body.height() * 2;
    const auto widths = columnWidths(m_document, body, heading, page.area.width(), padding);
    page.headingHeight = headingRowHeight(m_document, widths, heading, padding, page.rowHeight);
    page.rowsPerPage = std::max(1, static_cast<int>((page.area.height() - page.headHeight -
                                                     page.headingHeight - page.footerHeight) /
                                                    page.rowHeight));
    const QString printedAt =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    const int rows = static_cast<int>(m_document.rows.size());
    const int pages = std::max(1, (rows + page.rowsPerPage - 1) / page.rowsPerPage);

    for (int number = 1; number <= pages; ++number) {
        if (number > 1)
            printer.newPage();
        painter.setPen(Qt::black);
        painter.setFont(m_bodyFont);
        const QRectF letterhead(page.area.left(), page.area.top(), page.area.width(),
                                body.height() * 1.4);
        painter.drawText(letterhead, Qt::AlignLeft | Qt::AlignVCenter, qt(forms::letterhead()));
        painter.drawText(letterhead, Qt::AlignRight | Qt::AlignVCenter, printedAt);
        painter.setFont(titleFont);
        painter.drawText(
            QRectF(page.area.left(), letterhead.bottom(), page.area.width(), title.height() * 1.4),
            Qt::AlignHCenter | Qt::AlignVCenter, qt(m_document.title));

        QPointF at(page.area.left(), page.area.top() + page.headHeight);
        painter.setFont(headingFont);
        painter.fillRect(QRectF(at, QSizeF(page.area.width(), page.headingHeight)),
                         QColor(0xE8, 0xE8, 0xE8));
        paintRow(painter, m_document.headings, widths, at, page.headingHeight, padding,
                 CellText::Wrapped);
        at.ry() += page.headingHeight;

        painter.setFont(m_bodyFont);
        const int first = (number - 1) * page.rowsPerPage;
        const int last = std::min(rows, first + page.rowsPerPage);
        for (int r = first; r < last; ++r) {
            paintRow(painter, m_document.rows[static_cast<std::size_t>(r)], widths, at,
                     page.rowHeight, padding);
            at.ry() += page.rowHeight;
        }

        painter.setPen(Qt::black);
        painter.drawText(QRectF(page.area.left(), page.area.bottom() - page.footerHeight,
                                page.area.width(), page.footerHeight),
                         Qt::AlignHCenter | Qt::AlignBottom,
                         qt(component::FormatText("第%1页，共%2页", number, pages)));
    }
    return painter.end();
}

} // namespace orvan::gui
