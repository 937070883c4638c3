#include "common/windowprint.h"

#include "common/errors.h"
#include "common/messages.h"
#include "common/printqueue.h"

#include <QPainter>
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

void printWindowImage(QWidget *window, PrintScale scale, QPrinter &printer)
{
    const QString title = window->windowTitle();
    const QString app = zm::ui::applicationTitle();
    printer.setDocName(title.isEmpty() ? app : app.isEmpty() ? title : app + QStringLiteral(" - ") + title);

    // The image belongs at the paper's top left corner, not inside the
    // printer's default margins.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
        throw zm::Error(QStringLiteral("Der Druckauftrag konnte nicht gestartet werden."));
    const QPixmap image = clientImage(window);
    const QSize imageSize = image.deviceIndependentSize().toSize();
    const PrinterMetrics metrics{printer.logicalDpiX(), printer.logicalDpiY(),
                                 QSize(printer.width(), printer.height())};
    const QSize size = printedSize(imageSize, window->logicalDpiX(), scale, metrics);
    painter.drawPixmap(QRect(QPoint(0, 0), size), image);
    const bool finished = painter.end();
    if (!finished || printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        throw zm::Error(JobFailed);
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
