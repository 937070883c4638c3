#include "classtest/classtestwindow.h"

#include "classtest/barchart.h"
#include "classtest/classtestreport.h"
#include "classtest/classteststore.h"
#include "classtest/classtestwindows.h"
#include "common/controls.h"
#include "common/errorreport.h"
#include "common/fixedpoint.h"

#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <algorithm>

namespace zm::classtest {

namespace {

// Every keystroke in a cell editor goes into the grid at once, so the grade
// and the figures follow the typing and the cell is stored as it grows.
class KeystrokeDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *line = qobject_cast<QLineEdit *>(editor)) {
            line->setAccessibleName(index.column() == 0 ? QStringLiteral("Name") : QStringLiteral("Punkte"));
            connect(line, &QLineEdit::textEdited, this,
                    [this, line] { emit const_cast<KeystrokeDelegate *>(this)->commitData(line); });
        }
        return editor;
    }
};

const QColor InvalidColour(255, 160, 160);

QTableWidgetItem *readOnlyItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

// A table of a few rows shows all of them, with room for a scroll bar
// where its columns do not fit.
void fitHeight(QTableWidget *table)
{
    int height = 2 * table->frameWidth() + table->horizontalScrollBar()->sizeHint().height();
    if (!table->horizontalHeader()->isHidden())
        height += table->horizontalHeader()->sizeHint().height();
    for (int row = 0; row < table->rowCount(); ++row)
        height += table->rowHeight(row);
    table->setFixedHeight(height);
}

} // namespace

ClassTestWindow::ClassTestWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    buildControls();
    Ergebnisse->setItemDelegateForColumn(0, new KeystrokeDelegate(Ergebnisse));
    Ergebnisse->setItemDelegateForColumn(1, new KeystrokeDelegate(Ergebnisse));
    connectHandlers();
    updateTitle();
}

ClassTestWindow::~ClassTestWindow() = default;

void ClassTestWindow::connectHandlers()
{
    connect(Ergebnisse, &QTableWidget::cellChanged, this,
            [this](int row, int column) { zm::ui::guarded([&] { resultChanged(row, column); }); });
    // Title, class and date: kept in the test and stored with every change.
    connect(Titel, &QLineEdit::textChanged, this, [this](const QString &text) {
        zm::ui::guarded([&] {
            m_test.title = text;
            if (!m_filling)
                store([&](ClassTestStore &s) { s.setTitle(m_test.id, text); });
        });
    });
    connect(Klasse, &QLineEdit::textChanged, this, [this](const QString &text) {
        zm::ui::guarded([&] {
            m_test.className = text;
            if (!m_filling)
                store([&](ClassTestStore &s) { s.setClassName(m_test.id, text); });
        });
    });
    connect(Datum, &QDateEdit::dateChanged, this, [this](const QDate &date) {
        zm::ui::guarded([&] {
            m_test.date = date;
            if (!m_filling)
                store([&](ClassTestStore &s) { s.setDate(m_test.id, date); });
        });
    });
    // The window is shown only with a test, but a button must never reach an empty key.
    zm::ui::onClicked(ButtonDrucken, this, [this] {
        if (m_grading)
            printReport(this, m_test, *m_grading);
    });
    zm::ui::onClicked(ButtonPdf, this, [this] {
        if (m_grading)
            saveReportPdf(m_test, *m_grading);
    });
    zm::ui::onClicked(ButtonCsv, this, [this] {
        if (m_grading)
            saveCsv(m_test, *m_grading);
    });
    zm::ui::onClicked(ButtonArchiv, this, [] { openArchive(); });
}

void ClassTestWindow::showTest(const ClassTest &test, ClassTestStore *store)
{
    m_test = test;
    m_store = store;
    m_grading.emplace(m_test.key);
    m_filling = true;
    Titel->setText(m_test.title);
    Klasse->setText(m_test.className);
    Datum->setDate(m_test.date);
    fillKey();
    fillResults();
    m_filling = false;
    updateTitle();
}

void ClassTestWindow::forget(qint64 id)
{
    if (id == m_test.id)
        m_test.id = 0;
}

template <class Change> void ClassTestWindow::store(Change change)
{
    if (!m_store)
        return;
    try {
        if (m_test.id == 0) {
            // The first change stores the whole test, this change included.
            m_test.id = m_store->create(m_test);
            return;
        }
        change(*m_store);
    } catch (const zm::Error &error) {
        m_store = nullptr;
        updateTitle();
        zm::ui::reportError(error.text() + QStringLiteral("\nAb jetzt wird nicht mehr gespeichert."));
    }
}

void ClassTestWindow::updateTitle()
{
    setWindowTitle(m_store ? QStringLiteral("Klassenarbeit auswerten")
                           : QStringLiteral("Klassenarbeit auswerten (wird nicht gespeichert)"));
}

void ClassTestWindow::fillKey()
{
    const int bands = m_grading->bands();
    Schluessel->setColumnCount(bands);
    Notenspiegel->setColumnCount(bands);
    QStringList captions;
    for (int band = 0; band < bands; ++band) {
        const Band &b = m_test.key.bands.at(band);
        Schluessel->setItem(0, band, readOnlyItem(b.caption));
        Schluessel->setItem(1, band, readOnlyItem(b.minimum));
        captions << b.caption;
        Notenspiegel->setItem(0, band, readOnlyItem(QString()));
        Notenspiegel->setItem(1, band, readOnlyItem(QString()));
    }
    Notenspiegel->setHorizontalHeaderLabels(captions);
    // Fixed widths wide enough for every text these columns can show, so a
    // keystroke never lays the window out again.
    const QFontMetrics metrics = Ergebnisse->fontMetrics();
    const int padding = 3 * metrics.averageCharWidth();
    int widest = metrics.horizontalAdvance(QStringLiteral("???"));
    for (const QString &caption : captions)
        widest = std::max(widest, metrics.horizontalAdvance(caption));
    Ergebnisse->setColumnWidth(1, std::max(metrics.horizontalAdvance(QStringLiteral("Punkte")),
                                           metrics.horizontalAdvance(QStringLiteral("000,00"))) +
                                      padding);
    Ergebnisse->setColumnWidth(2, std::max(widest, metrics.horizontalAdvance(QStringLiteral("Note"))) + padding);
    Notenspiegel->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int band = 0; band < bands; ++band)
        Notenspiegel->setColumnWidth(band, std::max(metrics.horizontalAdvance(captions.at(band)),
                                                    metrics.horizontalAdvance(QStringLiteral("100,0 %"))) +
                                               padding);
    Hoechstpunktzahl->setText(QStringLiteral("Höchstpunktzahl: ") + m_test.key.maximum);
    fitHeight(Schluessel);
    fitHeight(Notenspiegel);
}

void ClassTestWindow::fillResults()
{
    const QSignalBlocker block(Ergebnisse);
    QList<Result> results = m_test.results;
    Ergebnisse->setRowCount(0);
    Ergebnisse->setRowCount(static_cast<int>(results.size()));
    m_grades.clear();
    for (int row = 0; row < results.size(); ++row) {
        Ergebnisse->setItem(row, 0, new QTableWidgetItem(results.at(row).name));
        Ergebnisse->setItem(row, 1, new QTableWidgetItem(results.at(row).points));
        Ergebnisse->setItem(row, 2, readOnlyItem(QString()));
        m_grades << m_grading->grade(results.at(row));
        showRow(row);
    }
    m_distribution = distributionOf(*m_grading, m_grades);
    ensureEmptyLastRow();
    showDistribution();
}

void ClassTestWindow::ensureEmptyLastRow()
{
    const int rows = Ergebnisse->rowCount();
    if (rows >= MaxStudents || (rows > 0 && m_test.results.value(rows - 1).isEmpty()))
        return;
    const QSignalBlocker block(Ergebnisse);
    Ergebnisse->insertRow(rows);
    Ergebnisse->setItem(rows, 0, new QTableWidgetItem);
    Ergebnisse->setItem(rows, 1, new QTableWidgetItem);
    Ergebnisse->setItem(rows, 2, readOnlyItem(QString()));
    while (m_test.results.size() <= rows)
        m_test.results.append(Result{});
    while (m_grades.size() <= rows)
        m_grades.append(Grading::Grade{});
}

void ClassTestWindow::resultChanged(int row, int column)
{
    if (column > 1 || row < 0 || row >= m_test.results.size())
        return;
    Result result = m_test.results.at(row);
    const QString text = Ergebnisse->item(row, column)->text();
    QString &field = column == 0 ? result.name : result.points;
    if (field == text)
        return;
    field = text;
    m_test.results[row] = result;
    m_distribution.add(*m_grading, m_grades.at(row), -1);
    m_grades[row] = m_grading->grade(result);
    m_distribution.add(*m_grading, m_grades.at(row));
    {
        const QSignalBlocker block(Ergebnisse);
        showRow(row);
    }
    showDistribution();
    ensureEmptyLastRow();
    store([&](ClassTestStore &s) { s.setResult(m_test.id, row, result); });
}

void ClassTestWindow::showRow(int row)
{
    const Grading::Grade &grade = m_grades.at(row);
    Ergebnisse->item(row, 2)->setText(m_grading->gradeText(grade));
    QTableWidgetItem *points = Ergebnisse->item(row, 1);
    const bool invalid = grade.status == Grading::Status::Invalid;
    points->setBackground(invalid ? QBrush(InvalidColour) : QBrush());
    points->setToolTip(grade.reason);
    Ergebnisse->item(row, 2)->setToolTip(grade.reason);
}

void ClassTestWindow::showDistribution()
{
    for (int band = 0; band < m_distribution.counts.size(); ++band) {
        Notenspiegel->item(0, band)->setText(QString::number(m_distribution.counts.at(band)));
        Notenspiegel->item(1, band)->setText(shareText(m_distribution.counts.at(band), m_distribution.graded));
    }
    Durchschnitt->setText(averageText(m_distribution));
    QStringList captions;
    for (const Band &band : m_test.key.bands)
        captions << band.caption;
    Diagramm->setData(captions, m_distribution.counts);
}

} // namespace zm::classtest
