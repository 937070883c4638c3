#include "common/windowprint.h"

#include "common/errors.h"
#include "common/filewriter.h"
#include "common/messages.h"
#include "common/printqueue.h"

#include <QAbstractItemView>
#include <QBuffer>
#include <QDir>
#include <QItemSelectionModel>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

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

namespace {

QString jobName(const QWidget *window)
{
    const QString title = window->windowTitle();
    const QString app = zm::ui::applicationTitle();
    return title.isEmpty() ? app : app.isEmpty() ? title : app + QStringLiteral(" - ") + title;
}

// While it lives, no grid of the window shows a selected or current cell:
// paper shows the figures, not where the teacher last clicked. The selection
// models are changed with their signals blocked and put back exactly, so
// neither the window's handlers nor the screen notice.
class SelectionHidden
{
public:
    explicit SelectionHidden(const QWidget *window)
    {
        for (const QAbstractItemView *view : window->findChildren<QAbstractItemView *>()) {
            QItemSelectionModel *model = view->selectionModel();
            // A table and its headers share one selection model: keep it once.
            if (!model ||
                std::any_of(m_saved.cbegin(), m_saved.cend(), [model](const Saved &s) { return s.model == model; }))
                continue;
            m_saved.push_back({model, model->selection(), model->currentIndex()});
            const QSignalBlocker quiet(model);
            model->clear();
        }
    }
    ~SelectionHidden()
    {
        for (const Saved &s : m_saved) {
            if (!s.model)
                continue;
            const QSignalBlocker quiet(s.model.data());
            s.model->select(s.selection, QItemSelectionModel::ClearAndSelect);
            s.model->setCurrentIndex(s.current, QItemSelectionModel::NoUpdate);
        }
    }
    SelectionHidden(const SelectionHidden &) = delete;
    SelectionHidden &operator=(const SelectionHidden &) = delete;

private:
    struct Saved
    {
        QPointer<QItemSelectionModel> model;
        QItemSelection selection;
        QPersistentModelIndex current;
    };
    std::vector<Saved> m_saved;
};

// The window's client area as paint commands: text stays text and lines stay
// lines. Recorded in a picture first, because QWidget::render aimed at a
// printer straight away would draw a screen-resolution pixmap. A window that
// is not on screen is laid out by render as showing it would.
QPicture windowPicture(QWidget *window)
{
    const SelectionHidden hidden(window);
    QPicture picture;
    QPainter painter(&picture);
    window->render(&painter);
    painter.end();
    return picture;
}

// The window at the top left of a page of `device`, sized by the print scale.
void drawWindowImage(QPainter &painter, QWidget *window, PrintScale scale, const QPaintDevice &device)
{
    const QPicture picture = windowPicture(window);
    const QSize client = window->size();
    if (client.isEmpty())
        return;
    const PrinterMetrics metrics{device.logicalDpiX(), device.logicalDpiY(), QSize(device.width(), device.height())};
    const QSize size = printedSize(client, window->logicalDpiX(), scale, metrics);
    painter.save();
    // Window pixels to printer dots as the print scale asks; drawPicture
    // itself scales by the ratio of the device's resolution to the picture's,
    // so that part is taken out again.
    painter.setClipRect(QRect(QPoint(0, 0), size));
    painter.scale(qreal(size.width()) * picture.logicalDpiX() / (qreal(client.width()) * device.logicalDpiX()),
                  qreal(size.height()) * picture.logicalDpiY() / (qreal(client.height()) * device.logicalDpiY()));
    painter.drawPicture(0, 0, picture);
    painter.restore();
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

QByteArray pdfInMemory(const QString &title, const QMarginsF &marginsMm,
                       const std::function<void(QPagedPaintDevice &)> &paint)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(title);
        pdf.setCreator(zm::ui::applicationTitle());
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(marginsMm, QPageLayout::Millimeter);
        pdf.setResolution(300);
        paint(pdf);
    }
    return bytes;
}

void saveWindowImageAsPdf(QWidget *window, PrintScale scale, const QString &path)
{
    const QString heading = QStringLiteral("Die PDF-Datei wurde nicht gespeichert:");
    const QByteArray bytes = pdfInMemory(jobName(window), QMarginsF(0, 0, 0, 0), [&](QPagedPaintDevice &pdf) {
        QPainter painter;
        if (!painter.begin(&pdf))
            throw zm::Error(heading + QLatin1Char('\n') + QDir::toNativeSeparators(path));
        drawWindowImage(painter, window, scale, pdf);
        painter.end();
    });
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
