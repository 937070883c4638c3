#include "classtest/classtestreport.h"

#include "app/forms.h"
#include "classtest/barchart.h"
#include "common/clock.h"
#include "common/filedialogs.h"
#include "common/filewriter.h"
#include "common/messages.h"
#include "common/tabletext.h"
#include "common/windowprint.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

namespace zm::classtest {

namespace {

// Draws the report top to bottom, starting a new page where the next block
// does not fit. Sizes are in millimetres, turned into device units.
class ReportPainter
{
public:
    ReportPainter(QPagedPaintDevice &device, QPainter &painter)
        : m_device(device)
        , m_painter(painter)
        , m_unit(device.logicalDpiY() / 25.4)
    {
        // The painter starts at the paintable area's top left.
        m_page = QRectF(0, 0, device.width(), device.height());
        setFont(9);
    }

    qreal mm(qreal millimetres) const { return millimetres * m_unit; }
    qreal line() const { return QFontMetricsF(m_painter.font(), &m_device).height() * 1.1; }
    qreal width() const { return m_page.width(); }

    void setFont(int points, bool bold = false)
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSize(points);
        font.setBold(bold);
        m_painter.setFont(font);
    }

    // Room for `height` more on this page; otherwise a new page.
    void need(qreal height)
    {
        if (m_y + height > m_page.bottom() && m_y > 0)
            newPage();
    }
    void newPage()
    {
        m_device.newPage();
        m_y = 0;
    }

    // One row of cells in columns of the given widths (fractions of the page width).
    void row(const QStringList &cells, const QList<qreal> &widths, bool bold = false)
    {
        const qreal height = line();
        need(height);
        QFont font = m_painter.font();
        font.setBold(bold);
        m_painter.setFont(font);
        qreal x = 0;
        for (int i = 0; i < cells.size(); ++i) {
            const qreal w = widths.value(i, widths.last()) * width();
            const QRectF cell(x + mm(1), m_y, w - mm(2), height);
            const QString text =
                QFontMetricsF(m_painter.font(), &m_device).elidedText(cells.at(i), Qt::ElideRight, cell.width());
            m_painter.drawText(cell, Qt::AlignVCenter | (i == 0 ? Qt::AlignLeft : Qt::AlignHCenter), text);
            x += w;
        }
        font.setBold(false);
        m_painter.setFont(font);
        m_y += height;
    }

    void text(const QString &text) { row({text}, {1.0}); }
    void gap(qreal millimetres) { m_y += mm(millimetres); }

    void rule()
    {
        m_painter.drawLine(QPointF(0, m_y), QPointF(width(), m_y));
        m_y += mm(1);
    }

    void chart(const QStringList &captions, const QList<int> &counts, qreal millimetres)
    {
        need(mm(millimetres));
        BarChart::draw(m_painter, QRectF(0, m_y, std::min(width(), mm(12) * counts.size() + mm(10)), mm(millimetres)),
                       captions, counts);
        m_y += mm(millimetres);
    }

private:
    QPagedPaintDevice &m_device;
    QPainter &m_painter;
    qreal m_unit;
    QRectF m_page;
    qreal m_y = 0;
};

constexpr int StudentsPerPage = 40;

// Band columns: a head column and one per band, sharing the page width.
QList<qreal> bandWidths(int bands)
{
    return QList<qreal>{0.16} << QList<qreal>(bands, 0.84 / std::max(1, bands));
}

} // namespace

void paintReport(QPagedPaintDevice &device, const ClassTest &test, const Grading &grading)
{
    QPainter painter;
    if (!painter.begin(&device))
        throw zm::Error(QStringLiteral("Der Bericht konnte nicht begonnen werden."));
    ReportPainter report(device, painter);

    report.setFont(14, true);
    report.text(test.title);
    report.setFont(9);
    report.text(QStringLiteral("Klasse: %1    Datum: %2").arg(test.className, clock::dateText(test.date)));
    report.gap(2);

    QStringList captions{QStringLiteral("Note")};
    QStringList minimums{QStringLiteral("ab Punkten")};
    for (const Band &band : test.key.bands) {
        captions << band.caption.trimmed();
        minimums << band.minimum;
    }
    const QList<qreal> bands = bandWidths(grading.bands());
    report.row(captions, bands, true);
    report.row(minimums, bands);
    report.text(QStringLiteral("Höchstpunktzahl: ") + test.key.maximum);
    report.gap(2);

    const QList<qreal> results{0.6, 0.2, 0.2};
    const QStringList resultHeads{QStringLiteral("Name"), QStringLiteral("Punkte"), QStringLiteral("Note")};
    report.row(resultHeads, results, true);
    report.rule();
    QList<Grading::Grade> grades;
    for (const Result &result : test.results) {
        if (result.isEmpty())
            continue;
        // 40 students a page; the heads again on every further page.
        if (!grades.isEmpty() && grades.size() % StudentsPerPage == 0) {
            report.newPage();
            report.row(resultHeads, results, true);
            report.rule();
        }
        const Grading::Grade grade = grading.grade(result);
        grades << grade;
        report.row({result.name, result.points.trimmed(), grading.gradeText(grade)}, results);
    }
    report.rule();
    report.gap(2);

    const Distribution distribution = distributionOf(grading, grades);
    // The distribution, the average and the chart stay together.
    report.need(report.line() * 4 + report.mm(30));
    QStringList counts{QStringLiteral("Anzahl")};
    QStringList shares{QStringLiteral("Anteil")};
    for (int count : distribution.counts) {
        counts << QString::number(count);
        shares << shareText(count, distribution.graded);
    }
    report.row(captions, bands, true);
    report.row(counts, bands);
    report.row(shares, bands);
    report.text(averageText(distribution));
    report.chart(captions.mid(1), distribution.counts, 30);
    painter.end();
}

QByteArray reportPdf(const ClassTest &test, const Grading &grading)
{
    return zm::print::pdfInMemory(test.title, QMarginsF(15, 12, 15, 12),
                                  [&](QPagedPaintDevice &pdf) { paintReport(pdf, test, grading); });
}

void printReport(QWidget *parent, const ClassTest &test, const Grading &grading)
{
    const std::unique_ptr<QPrinter> printer = zm::print::choosePrinter(parent);
    if (!printer)
        return;
    printer->setDocName(test.title);
    paintReport(*printer, test, grading);
    if (printer->printerState() == QPrinter::Error || printer->printerState() == QPrinter::Aborted)
        throw zm::Error(QStringLiteral("Der Druckauftrag ist fehlgeschlagen."));
}

namespace {

QString chooseSavePath(const ClassTest &test, const QString &filter, const QString &suffix)
{
    zm::ui::FileRequest request;
    request.kind = zm::ui::FileRequest::Kind::Save;
    request.folder = zm::app::dataFolder();
    request.filters = {filter};
    request.defaultSuffix = suffix;
    request.fileName =
        zm::tabletext::fileNameFromTitle(test.title, QStringLiteral("Klassenarbeit")) + QLatin1Char('.') + suffix;
    return zm::ui::chooseFile(request);
}

} // namespace

void saveReportPdf(const ClassTest &test, const Grading &grading)
{
    const QString path = chooseSavePath(test, QStringLiteral("PDF-Dokument (*.pdf)"), QStringLiteral("pdf"));
    if (!path.isEmpty())
        zm::files::writeFile(path, reportPdf(test, grading), QStringLiteral("Die PDF-Datei wurde nicht gespeichert:"));
}

void saveCsv(const ClassTest &test, const Grading &grading)
{
    const QString path = chooseSavePath(test, QStringLiteral("CSV-Datei (*.csv)"), QStringLiteral("csv"));
    if (!path.isEmpty())
        zm::files::writeFile(path, classTestCsv(test, grading),
                             QStringLiteral("Die CSV-Datei wurde nicht gespeichert:"));
}

} // namespace zm::classtest
