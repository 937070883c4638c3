#pragma once

// Printing a window's client area on the system's default printer as one
// page, scaled by the window's print scale, at the top left of the page. The
// window is painted onto the page as vectors (text stays text), whether it is
// on screen or not, and no grid shows a selected or current cell on paper.

#include <QByteArray>
#include <QMarginsF>
#include <QSize>

#include <functional>
#include <memory>

class QPagedPaintDevice;

class QPrinter;
class QString;
class QTextDocument;
class QWidget;

namespace zm::print {

enum class PrintScale {
    None,         // one printer dot per screen pixel
    Proportional, // the size the window has on screen
    PrintToFit,   // as large as the page allows, aspect ratio kept
};

// a × b / c in 64 bits, rounded to the nearest integer, halves away from
// zero; 0 when c is 0.
int mulDiv(int a, int b, int c);

// What the printer offers: its resolution and the printable page in dots.
struct PrinterMetrics
{
    int dpiX = 0;
    int dpiY = 0;
    QSize page;
};

// The image's size on the page, in printer dots.
QSize printedSize(QSize image, int screenDpi, PrintScale scale, const PrinterMetrics &printer);

// Prints the window's client image as one page on a printer that is set up
// already. Throws zm::Error with a German text when the job cannot be started
// or fails.
void printWindowImage(QWidget *window, PrintScale scale, QPrinter &printer);

// Same on the system's default printer. Throws zm::Error ("Es ist kein
// Standarddrucker eingerichtet.") when there is none.
void printWindowImage(QWidget *window, PrintScale scale);

// An A4 PDF made in memory at 300 dpi, with `title` and the program as its
// creator; `paint` draws its pages. Saves hand the bytes to the one writer,
// so only a complete PDF ever reaches the disk.
QByteArray pdfInMemory(const QString &title, const QMarginsF &marginsMm,
                       const std::function<void(QPagedPaintDevice &)> &paint);

// The same one-page image as a PDF file (A4, no margins). The old file is
// replaced only once the new one is complete; throws zm::Error with a German
// text when it cannot be written.
void saveWindowImageAsPdf(QWidget *window, PrintScale scale, const QString &path);

// The print dialog, preset to the default printer, so that the teacher picks
// a printer and the copies. nullptr when it was cancelled; throws zm::Error
// when the chosen queue refuses jobs.
std::unique_ptr<QPrinter> choosePrinter(QWidget *parent);

// Tests answer the print dialog: the hook sets the printer up (a PDF file,
// say) and returns whether it was accepted. nullptr shows the real dialog.
using PrintDialogHook = std::function<bool(QPrinter &)>;
void setPrintDialogHook(PrintDialogHook hook);

// Prints the whole document, paginated, on the system's default printer as
// one job named `title`. Throws zm::Error with a German text when there is no
// default printer or the job fails.
void printTextDocument(const QTextDocument &document, const QString &title);

// The system's default printer, set up for printing (or the printer a test
// substituted); nullptr when there is none. Throws zm::Error ("Der
// Standarddrucker nimmt keine Druckaufträge an.") when the print system
// refuses jobs for it, before anything has been printed or hidden.
std::unique_ptr<QPrinter> defaultPrinter();

// Tests replace the default printer: the provider hands out the printer to
// use, or nullptr for "no default printer". An empty provider restores the
// system's default printer.
using PrinterProvider = std::function<std::unique_ptr<QPrinter>()>;
void setPrinterProvider(PrinterProvider provider);

} // namespace zm::print
