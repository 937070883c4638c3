#pragma once

#include "misc/germanquotient.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

// "ESA/MSA Deutsch SH": words and errors of a German text give the words per
// error and the points for language correctness of the chosen school-leaving
// level. Everything recomputes as the teacher types.
class TForm5 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm5(QWidget *parent = nullptr);
    ~TForm5() override;

    // The computation ("berechnen").
    void Button1Click();
    // "MSA", "ESA": the level's points picture, then the computation.
    void RadioButton1Click();
    void RadioButton2Click();

    QLineEdit *Edit1 = nullptr; // words
    QLineEdit *Edit2 = nullptr; // errors
    QLabel *Label5 = nullptr;   // "1 Fehler auf:"
    QLabel *Label2 = nullptr;   // "Punkte:"
    QRadioButton *RadioButton1 = nullptr;
    QRadioButton *RadioButton2 = nullptr;
    QTableWidget *Image1 = nullptr; // points of MSA
    QTableWidget *Image2 = nullptr; // points of ESA
    QPushButton *Button1 = nullptr; // hidden

private:
    // What a screen reader says for the two results: caption and figure.
    void nameResults();
    QLabel *m_perErrorCaption = nullptr;
    QLabel *m_pointsCaption = nullptr;
    zm::misc::SchoolLevel level() const;
};
