#pragma once

#include "scales/verbalcalculator.h"

// "Beurteilung in 4 Stufen": the minimum score of each of the bands sicher,
// überwiegend sicher, teilweise sicher and unsicher for a test's maximum
// score. Own percentages are kept in "4er.ini".
class TForm19 : public zm::scales::VerbalCalculator
{
    Q_OBJECT
public:
    explicit TForm19(QWidget *parent = nullptr);
    ~TForm19() override;
};
