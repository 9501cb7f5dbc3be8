#include "gui/QtPrinter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

#include "component/Translation.h"
#include "gui/PrintLayout.h"
#include "gui/ViewTexts.h"

namespace orvan::gui {

QtPrinter::QtPrinter(PdfFileChooser chooser)
    : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
    , m_chooser(chooser ? std::move(chooser) : askPdfFile)
    , m_bodyFont(QApplication::font())
{
    m_printer->setPageSize(QPageSize(QPageSize::A4));
    m_printer->setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

QtPrinter::~QtPrinter() = default;

QtPrinter *QtPrinter::installed()
{
    return dynamic_cast<QtPrinter *>(&forms::printer());
}

bool QtPrinter::printerInstalled()
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

QString QtPrinter::askPdfFile(QWidget *parent)
{
    auto path =
        QFileDialog::getSaveFileName(parent, qt(component::TranslateText("打印到 PDF 文件")),
                                     QString(), qt(component::TranslateText("PDF 文件 (*.pdf)")));
    if (!path.isEmpty() && !path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    return path;
}

void QtPrinter::print(const forms::PrintDocument &document, forms::PrintMode mode)
{
    auto *parent = QApplication::activeWindow();
    if (mode == forms::PrintMode::Preview)
        preview(document, parent);
    else
        printWithDialog(document, parent);
}

bool QtPrinter::paint(const forms::PrintDocument &document)
{
    m_printer->setDocName(qt(document.title));
    const PrintLayout layout(document, m_bodyFont);
    m_printer->setPageOrientation(layout.prefersLandscape(*m_printer) ? QPageLayout::Landscape
                                                                      : QPageLayout::Portrait);
    return layout.paint(*m_printer);
}

void QtPrinter::preview(const forms::PrintDocument &document, QWidget *parent)
{
    QPrintPreviewDialog dialog(m_printer.get(), parent);
    dialog.setWindowTitle(qt(component::TranslateText("打印预览")));
    dialog.resize(900, 700);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [this, &document](QPrinter *) { paint(document); });
    dialog.exec();
}

void QtPrinter::printWithDialog(const forms::PrintDocument &document, QWidget *parent)
{
    if (!printerInstalled()) {
        offerPdf(document, parent);
        return;
    }
    QPrintDialog dialog(m_printer.get(), parent);
    if (dialog.exec() == QDialog::Accepted)
        paint(document);
}

// Without a printer the user is told so and chooses: a PDF file, the preview, or the page
// setup first.
void QtPrinter::offerPdf(const forms::PrintDocument &document, QWidget *parent)
{
    for (;;) {
        QMessageBox box(
            QMessageBox::Information, qt(component::messageTitle()),
            qt(component::TranslateText("没有安装打印机。可以打印到 PDF 文件，或者预览。")),
            QMessageBox::Cancel, parent);
        auto *pdf =
            box.addButton(qt(component::TranslateText("PDF 文件...")), QMessageBox::AcceptRole);
        auto *preview =
            box.addButton(qt(component::TranslateText("预览")), QMessageBox::ActionRole);
        auto *setup =
            box.addButton(qt(component::TranslateText("页面设置...")), QMessageBox::ActionRole);
        box.setDefaultButton(pdf);
        box.exec();
        if (box.clickedButton() == setup) {
            pageSetup(parent);
            continue;
        }
        if (box.clickedButton() == preview)
            this->preview(document, parent);
        else if (box.clickedButton() == pdf)
            writePdf(document, parent);
        return;
    }
}

void QtPrinter::writePdf(const forms::PrintDocument &document, QWidget *parent)
{
    const auto path = m_chooser(parent);
    if (!path.isEmpty() && !printToPdf(document, path))
        QMessageBox::warning(parent, qt(component::messageTitle()),
                             qt(component::TranslateText("无法写入文件 %1。")).arg(path));
}

bool QtPrinter::printToPdf(const forms::PrintDocument &document, const QString &path)
{
    const auto format = m_printer->outputFormat();
    const auto file = m_printer->outputFileName();
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setOutputFileName(path);
    const bool written = paint(document);
    m_printer->setOutputFormat(format);
    m_printer->setOutputFileName(file);
    return written;
}

void QtPrinter::pageSetup(QWidget *parent)
{
    QPageSetupDialog dialog(m_printer.get(), parent);
    dialog.exec();
}

void QtPrinter::printSetup(QWidget *parent)
{
    QPrintDialog dialog(m_printer.get(), parent);
    dialog.setWindowTitle(qt(component::TranslateText("打印设置")));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.exec();
}

} // namespace orvan::gui
