#pragma once

#include "scales/resultstrip.h"

// The result strip of the subject-scale calculator: the subject's short
// name, band captions, thresholds and minimum scores; seven columns for the
// six-grade subjects, nine for the school scales Ü8 and Ü7.
class TForm6 : public zm::scales::ResultStrip
{
    Q_OBJECT
public:
    explicit TForm6(QWidget *parent = nullptr);
    ~TForm6() override;

protected:
    void fill() override;
};
