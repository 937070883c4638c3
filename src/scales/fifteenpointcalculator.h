#pragma once

#include "scales/percentcalculator.h"

class QCheckBox;
class QLabel;
class QPushButton;

// "Gymi-Skala": the minimum score of each grade 15 … 00 of the fifteen-point
// scale for a test's maximum score. A threshold is exclusive (the minimum
// lies half a percentage point above it) unless "Prozentgrenze inclusiv" is
// checked. Own percentages are kept in "p15.ini".
class TForm10 : public zm::scales::PercentCalculator
{
    Q_OBJECT
public:
    explicit TForm10(QWidget *parent = nullptr);
    ~TForm10() override;

    // "Prozentgrenze inclusiv": the boundary offset and the threshold head,
    // then the computation.
    void CheckBox1Click();
    // Hidden trigger: runs the computation.
    void Button20Click();

    QCheckBox *CheckBox1 = nullptr;
    QPushButton *Button20 = nullptr;

protected:
    zm::Fixed boundaryOffset() const override;
    // The strip's columns are 28 pixels wide whenever this window opens it.
    void stripShown(zm::scales::ResultStrip *strip) override;

private:
    QLabel *Label11 = nullptr;
    zm::Fixed m_offset;
};
