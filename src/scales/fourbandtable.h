#pragma once

#include "scales/resultstrip.h"

// The result strip of the four-band calculator: its four bands with their
// thresholds and minimum scores, the score in a heading line.
class TForm20 : public zm::scales::ResultStrip
{
    Q_OBJECT
public:
    explicit TForm20(QWidget *parent = nullptr);
    ~TForm20() override;
};
