#pragma once

#include "scales/resultstrip.h"

// The result strip of the three-band calculator: e, te, ne with their
// thresholds and minimum scores, the score in a heading line and the levels
// spelt out below the grid.
class TForm9 : public zm::scales::ResultStrip
{
    Q_OBJECT
public:
    explicit TForm9(QWidget *parent = nullptr);
    ~TForm9() override;
};
