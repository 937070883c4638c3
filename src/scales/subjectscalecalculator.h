#pragma once

#include "scales/percentcalculator.h"
#include "scales/subjectscale.h"

class QButtonGroup;
class QCheckBox;
class QKeyEvent;

// "Hallbrink Notenskalen": the minimum score of every grade band for a
// test's maximum score, on the scale of the chosen subject. Two fixed
// subjects, two own subjects whose names and thresholds the teacher keeps,
// and the school scales Ü8 and Ü7. The choice and the two names are kept in
// the per-user settings, the own thresholds in "konf.ini" and "konf1.ini".
class TForm21 : public zm::scales::PercentCalculator
{
    Q_OBJECT
public:
    explicit TForm21(QWidget *parent = nullptr);
    ~TForm21() override;

    // The stored choice and names again, then the score 100 with the focus.
    void FormShow();
    // The subject choice handlers (RadioButton4Click … ): rows, captions,
    // thresholds, colours and buttons of the subject; records the choice.
    void chooseSubject(zm::scales::Subject subject);
    // Edit1Change (number 1), Edit2Change (number 2): records the name.
    void nameChanged(int number);
    // "Es handelt sich um eine Abschlussarbeit"
    void CheckBox1Click();
    // "FQ": the German error quotient.
    void Button4Click();
    // A key that reaches the window itself, no field having the focus.
    void FormKeyPress(int key);

    QLineEdit *Edit1 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QPushButton *Button4 = nullptr;

protected:
    int chosenIndex() const override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildChoices();
    QLineEdit *nameField(int number) const;

    QButtonGroup *m_subjects = nullptr;
    // The last code read from the settings; 0 until one was read.
    int m_subjectCode = 0;
};
