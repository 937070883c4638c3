#pragma once

// main() for the window tests of the scales: a temporary HOME as every test
// gets, and the print system pointed at a socket nobody listens on, so that
// no test can ever reach a real printer. Tests that print install a PDF
// printer instead (pdfPrinter below).

#include "common/windowprint.h"

#include "support/testmain.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QImage>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <cstdlib>

#include <memory>

namespace zm::test {

inline void isolatePrinting()
{
    qputenv("CUPS_SERVER", qgetenv("HOME") + "/no-print-server.sock");
}

// A PDF printer writing to `path`: A4, no margins, so the page's top left
// is the printable area's top left.
inline std::unique_ptr<QPrinter> pdfPrinter(const QString &path, int resolution = 0)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    if (resolution > 0)
        printer->setResolution(resolution);
    return printer;
}

// Number of pages pdfinfo finds in the file; -1 when it cannot read it.
inline int pdfPageCount(const QString &path)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    if (!info.waitForFinished(20000) || info.exitCode() != 0)
        return -1;
    for (const QString &line : QString::fromLocal8Bit(info.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}

// The first page rendered at `dpi` (pdftoppm); a null image when that fails.
inline QImage renderPdfPage(const QString &path, int dpi)
{
    const QString prefix = path + QStringLiteral(".page");
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"), QStringLiteral("-singlefile"),
                  QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), path, prefix});
    if (!render.waitForFinished(30000) || render.exitCode() != 0)
        return {};
    return QImage(prefix + QStringLiteral(".png"));
}

// A word on a PDF page and its box in points from the page's top left.
struct PdfWord
{
    QString text;
    QRectF box;
};

// The words of the first page as pdftotext finds them; empty when that fails.
inline QList<PdfWord> pdfWords(const QString &path)
{
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                             QStringLiteral("-l"), QStringLiteral("1"), path, QStringLiteral("-")});
    if (!text.waitForFinished(20000) || text.exitCode() != 0)
        return {};
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<PdfWord> words;
    const QString page = QString::fromUtf8(text.readAllStandardOutput());
    for (const QRegularExpressionMatch &m : word.globalMatch(page)) {
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        words.append({m.captured(5), QRectF(topLeft, bottomRight)});
    }
    return words;
}

// Whether every blank-separated word of `text` is on the page, its centre
// inside `cell` (window pixels at `dpi`, the window at the page's corner), at
// a height that fits the cell.
inline bool wordsInCell(const QList<PdfWord> &words, const QString &text, const QRect &cell, int dpi)
{
    const qreal toPoints = 72.0 / dpi;
    const QRectF inPoints(cell.x() * toPoints, cell.y() * toPoints, cell.width() * toPoints, cell.height() * toPoints);
    for (const QString &part : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const bool found = std::any_of(words.cbegin(), words.cend(), [&](const PdfWord &w) {
            return w.text == part && inPoints.contains(w.box.center()) && w.box.height() <= inPoints.height() * 1.2 &&
                   w.box.height() >= inPoints.height() * 0.25;
        });
        if (!found)
            return false;
    }
    return true;
}

inline bool pdftotextAvailable()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

inline bool popplerAvailable()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

// Colours equal within a tolerance per channel (PDF images may be compressed lossily).
inline bool nearColour(QColor a, QColor b, int tolerance = 24)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

} // namespace zm::test

#define ZM_SCALES_TEST_MAIN(TestObject)                                                                                \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        zm::test::isolateHome();                                                                                       \
        zm::test::isolatePrinting();                                                                                   \
        QApplication app(argc, argv);                                                                                  \
        QApplication::setApplicationName(QStringLiteral("Zensomat"));                                                  \
        zm::app::useGermanForQt(app);                                                                                  \
        TestObject tc;                                                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }
