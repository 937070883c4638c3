#include "common/windowprint.h"

#include "common/errors.h"
#include "common/filewriter.h"
#include "common/messages.h"
#include "common/printqueue.h"

#include <QBuffer>
#include <QDir>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <QWidget>

#include <cstdint>
#include <cstdlib>

namespace zm::print {

namespace {

PrinterProvider &provider()
{
    static PrinterProvider p;
    return p;
}

const QString NoPrinter = QStringLiteral("Es ist kein Standarddrucker eingerichtet.");
const QString JobFailed = QStringLiteral("Der Druckauftrag ist fehlgeschlagen.");

} // namespace

int mulDiv(int a, int b, int c)
{
    if (c == 0)
        return 0;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t magnitude = (std::llabs(product) + std::llabs(c) / 2) / std::llabs(c);
    return static_cast<int>(((product < 0) != (c < 0)) ? -magnitude : magnitude);
}

QSize printedSize(QSize image, int screenDpi, PrintScale scale, const PrinterMetrics &printer)
{
    switch (scale) {
    case PrintScale::Proportional:
        return {mulDiv(image.width(), printer.dpiX, screenDpi), mulDiv(image.height(), printer.dpiY, screenDpi)};
    case PrintScale::PrintToFit: {
        const int width = mulDiv(image.width(), printer.page.height(), image.height());
        if (width < printer.page.width())
            return {width, printer.page.height()};
        return {printer.page.width(), mulDiv(image.height(), printer.page.width(), image.width())};
    }
    case PrintScale::None:
        break;
    }
    return image;
}

QPixmap clientImage(QWidget *window)
{
    return window->grab();
}

namespace {

QString jobName(const QWidget *window)
{
    const QString title = window->windowTitle();
    const QString app = zm::ui::applicationTitle();
    return title.isEmpty() ? app : app.isEmpty() ? title : app + QStringLiteral(" - ") + title;
}

// The window's image at the top left of a page of `device`, sized by the
// print scale.
void drawWindowImage(QPainter &painter, QWidget *window, PrintScale scale, const QPaintDevice &device)
{
    const QPixmap image = clientImage(window);
    const QSize imageSize = image.deviceIndependentSize().toSize();
    const PrinterMetrics metrics{device.logicalDpiX(), device.logicalDpiY(), QSize(device.width(), device.height())};
    const QSize size = printedSize(imageSize, window->logicalDpiX(), scale, metrics);
    painter.drawPixmap(QRect(QPoint(0, 0), size), image);
}

PrintDialogHook &printDialogHook()
{
    static PrintDialogHook h;
    return h;
}

} // namespace

void printWindowImage(QWidget *window, PrintScale scale, QPrinter &printer)
{
    printer.setDocName(jobName(window));
    // The image belongs at the paper's top left corner, not inside the
    // printer's default margins.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
        throw zm::Error(QStringLiteral("Der Druckauftrag konnte nicht gestartet werden."));
    drawWindowImage(painter, window, scale, printer);
    const bool finished = painter.end();
    if (!finished || printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        throw zm::Error(JobFailed);
}

void saveWindowImageAsPdf(QWidget *window, PrintScale scale, const QString &path)
{
    const QString heading = QStringLiteral("Die PDF-Datei wurde nicht gespeichert:");
    // The whole PDF is made in memory; only a complete one goes to the disk,
    // through the writer that keeps the old file on any failure.
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setTitle(jobName(window));
        pdf.setCreator(zm::ui::applicationTitle());
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(300);
        QPainter painter;
        if (!painter.begin(&pdf))
            throw zm::Error(heading + QLatin1Char('\n') + QDir::toNativeSeparators(path));
        drawWindowImage(painter, window, scale, pdf);
        painter.end();
    }
    zm::files::writeFile(path, bytes, heading);
}

std::unique_ptr<QPrinter> choosePrinter(QWidget *parent)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const QPrinterInfo preset = QPrinterInfo::defaultPrinter();
    if (!preset.isNull())
        printer->setPrinterName(preset.printerName());
    bool accepted = false;
    if (printDialogHook()) {
        accepted = printDialogHook()(*printer);
    } else {
        QPrintDialog dialog(printer.get(), parent);
        dialog.setObjectName(QStringLiteral("PrintDialog"));
        accepted = dialog.exec() == QDialog::Accepted;
    }
    if (!accepted)
        return nullptr;
    // A queue that refuses jobs would swallow this one without a word, too.
    if (printer->outputFormat() == QPrinter::NativeFormat && !queueAcceptsJobs(printer->printerName()))
        throw zm::Error(QStringLiteral("Der Drucker nimmt keine Druckaufträge an."));
    return printer;
}

void setPrintDialogHook(PrintDialogHook hook)
{
    printDialogHook() = std::move(hook);
}

void printWindowImage(QWidget *window, PrintScale scale)
{
    const std::unique_ptr<QPrinter> printer = defaultPrinter();
    if (!printer)
        throw zm::Error(NoPrinter);
    printWindowImage(window, scale, *printer);
}

void printTextDocument(const QTextDocument &document, const QString &title)
{
    const std::unique_ptr<QPrinter> printer = defaultPrinter();
    if (!printer)
        throw zm::Error(NoPrinter);
    printer->setDocName(title);
    // QTextDocument::print says nothing when the job cannot start; the
    // printer's state tells.
    document.print(printer.get());
    if (printer->printerState() == QPrinter::Error || printer->printerState() == QPrinter::Aborted)
        throw zm::Error(JobFailed);
}

std::unique_ptr<QPrinter> defaultPrinter()
{
    if (provider())
        return provider()();
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    // A job sent to a queue that refuses jobs would vanish without a word.
    if (!queueAcceptsJobs(info.printerName()))
        throw zm::Error(QStringLiteral("Der Standarddrucker nimmt keine Druckaufträge an."));
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

void setPrinterProvider(PrinterProvider p)
{
    provider() = std::move(p);
}

} // namespace zm::print
