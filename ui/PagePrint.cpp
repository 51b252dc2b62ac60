#include "PagePrint.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "UiServices.h"

namespace {

QString PrinterName(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) return printer.outputFileName();
    return printer.printerName();
}

void ReportPrintFailure(const QPrinter& printer, const char* what) {
    AfxMessageBox(
        QStringLiteral("%1 \"%2\". Nothing was printed.").arg(QString::fromUtf8(what), PrinterName(printer)),
        MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

bool PrintOnePage(QWidget* pOwner, const QString& docName, const PagePainter& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(docName);
    QPrintDialog dialog(&printer, pOwner);
    dialog.setWindowTitle(QStringLiteral("Print"));
    if (UiServices::Current().DoModal(dialog) != IDOK) return false;

    QPainter painter;
    if (!painter.begin(&printer)) {
        ReportPrintFailure(printer, "Could not open the printer");
        return false;
    }
    // The painter's origin is the top left of the printable area.
    const QRect pageRect(QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    paint(painter, pageRect);
    const bool bEnded = painter.end();
    if (!bEnded || printer.printerState() == QPrinter::Error) {
        ReportPrintFailure(printer, "The print job failed on");
        return false;
    }
    return true;
}
