#pragma once

// "Klassenarbeit auswerten": one class test graded against a key snapshot.
// Every keystroke in a name or points cell regrades that row, updates the
// distribution, the average and the chart, and is stored at once. The
// controls are built in classtestlayout.cpp; printing and the PDF and CSV
// files in classtestreport.cpp.

#include "classtest/classtest.h"

#include <QWidget>

#include <optional>

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace zm::classtest {

class BarChart;
class ClassTestStore;

class ClassTestWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ClassTestWindow(QWidget *parent = nullptr);
    ~ClassTestWindow() override;

    // Shows `test` (a new one with id 0, or one read from the store).
    // `store` may be nullptr: the window then works without storing.
    void showTest(const ClassTest &test, ClassTestStore *store);
    // The stored test was deleted elsewhere: a further change stores it anew.
    void forget(qint64 id);

    const ClassTest &test() const { return m_test; }

    QLineEdit *Titel = nullptr;
    QLineEdit *Klasse = nullptr;
    QDateEdit *Datum = nullptr;
    QTableWidget *Schluessel = nullptr;
    QLabel *Hoechstpunktzahl = nullptr;
    QTableWidget *Ergebnisse = nullptr;
    QTableWidget *Notenspiegel = nullptr;
    QLabel *Durchschnitt = nullptr;
    BarChart *Diagramm = nullptr;
    QPushButton *ButtonDrucken = nullptr;
    QPushButton *ButtonPdf = nullptr;
    QPushButton *ButtonCsv = nullptr;
    QPushButton *ButtonArchiv = nullptr;

private:
    void buildControls();
    void connectHandlers();
    void fillKey();
    void fillResults();
    void resultChanged(int row, int column);
    void showRow(int row);
    void showDistribution();
    void ensureEmptyLastRow();
    // Runs a store call; on failure reports it once and stops storing.
    template <class Change> void store(Change change);
    void updateTitle();

    ClassTest m_test;
    std::optional<Grading> m_grading;
    QList<Grading::Grade> m_grades;
    Distribution m_distribution;
    ClassTestStore *m_store = nullptr;
    bool m_filling = false;
};

} // namespace zm::classtest
