#pragma once

#include "scales/verbalcalculator.h"

// "e, te, ne": the minimum score of each of the levels erreicht, teilweise
// erreicht and nicht erreicht for a test's maximum score. Own percentages
// are kept in "etene.ini".
class TForm8 : public zm::scales::VerbalCalculator
{
    Q_OBJECT
public:
    explicit TForm8(QWidget *parent = nullptr);
    ~TForm8() override;
};
