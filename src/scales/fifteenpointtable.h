#pragma once

#include "scales/resultstrip.h"

// The result strip of the fifteen-point calculator: grades 15 … 01 with
// their thresholds and minimum scores in sixteen columns, placed beside the
// main menu.
class TForm11 : public zm::scales::ResultStrip
{
    Q_OBJECT
public:
    explicit TForm11(QWidget *parent = nullptr);
    ~TForm11() override;
};
