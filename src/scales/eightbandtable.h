#pragma once

#include "scales/resultstrip.h"

// The result strip of the eight-band calculator: band names, thresholds and
// minimum scores of the chosen demand level in nine columns.
class TForm3 : public zm::scales::ResultStrip
{
    Q_OBJECT
public:
    static constexpr int Columns = 9;

    explicit TForm3(QWidget *parent = nullptr);
    ~TForm3() override;
};
