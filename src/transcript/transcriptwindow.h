#pragma once

#include "transcript/transcript.h"
#include "transcript/transcripthandoff.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;

namespace zm::langindex {
class EssayHandOff;
}
namespace zm::transcript {
class GridModel;
}

// The transcript "Ausdruck vom …": one row per student graded with
// "Ergebnisse mitschreiben" on. It prints its window, saves the grid as an
// HTML text, a .docx or an .odt document or as CSV and reads the first table
// of a document back into the grid. Below the buttons it shows the grade distribution and the average
// final score of its rows.
class TForm17 : public QWidget, public zm::transcript::TranscriptHandOff
{
    Q_OBJECT
public:
    explicit TForm17(QWidget *parent = nullptr);
    ~TForm17() override;

    // The grid's text: row 0 holds the headings (or a title row read back).
    QString cell(int column, int row) const;
    bool hasUnsavedRows() const { return m_transcript.hasUnsavedRows(); }

    void Button1Click();   // "drucken"
    void Button2Click();   // adds the graded student (the name window clicks it)
    void Button3Click();   // "speichern"
    void Button4Click();   // "doc öffnen"
    void Button5Click();   // "zurück"
    void ButtonCsvClick(); // "CSV speichern…"

    // Saves as "speichern" does. False when the dialog was cancelled or the
    // write failed (the failure has been reported then).
    bool save();
    // The program is about to end: rows never saved are offered for saving.
    // False means the program keeps running.
    bool mayEnd();

    void saveTranscript() override { Button3Click(); }
    void showTranscript() override;

    // "Ausdruck vom 05.03.2024", today's date.
    static QString printTitle();

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QTableView *StringGrid1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;
    QPushButton *Button4 = nullptr;
    QPushButton *Button5 = nullptr;
    QPushButton *ButtonCsv = nullptr;
    QTableWidget *Notenspiegel = nullptr; // one column per grade, "1 +" … "6"
    QLabel *Durchschnitt = nullptr;

private:
    static zm::langindex::EssayHandOff *essayWindow();
    void buildGrid();
    void buildStatistics(int top);
    void refreshGrid();

    zm::transcript::Transcript m_transcript;
    zm::transcript::GridModel *m_model = nullptr;
    QString m_indexName;
};
