#pragma once

#include <QFont>
#include <QString>

#include <functional>
#include <memory>

#include "forms/Printer.h"

class QPrinter;
class QWidget;

namespace orvan::gui {

// Prints documents with the Qt print system: Preview opens the print preview, Print the
// printer dialog; with no printer installed Print asks for a PDF file and writes the
// document there. The page and printer settings are kept between jobs (page setup and
// print setup change them).
class QtPrinter : public forms::Printer
{
public:
    // Asks for the PDF file to print to; an empty name cancels.
    using PdfFileChooser = std::function<QString(QWidget *parent)>;

    explicit QtPrinter(PdfFileChooser chooser = {});
    ~QtPrinter() override;

    void print(const forms::PrintDocument &document, forms::PrintMode mode) override;

    // Writes the document to a PDF file; false when the file could not be written.
    bool printToPdf(const forms::PrintDocument &document, const QString &path);
    void pageSetup(QWidget *parent);
    void printSetup(QWidget *parent);
    void setBodyFont(const QFont &font) { m_bodyFont = font; }

    // The installed printer when it is a QtPrinter, else nullptr.
    static QtPrinter *installed();

private:
    void offerPdf(const forms::PrintDocument &document, QWidget *parent);
    void writePdf(const forms::PrintDocument &document, QWidget *parent);
    void preview(const forms::PrintDocument &document, QWidget *parent);
    void printWithDialog(const forms::PrintDocument &document, QWidget *parent);
    bool paint(const forms::PrintDocument &document);
    static bool printerInstalled();
    static QString askPdfFile(QWidget *parent);

    std::unique_ptr<QPrinter> m_printer;
    PdfFileChooser m_chooser;
    QFont m_bodyFont;
};

} // namespace orvan::gui
