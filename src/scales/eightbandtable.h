#pragma once

#include <QWidget>

class QPushButton;
class QTableWidget;

// The result strip of the eight-band calculator: band names, thresholds and
// minimum scores in three rows, copied from the calculator's fields each time
// the strip becomes active or is clicked. A double click prints the strip's
// image on the default printer and closes it.
class TForm3 : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Columns = 9;
    static constexpr int Rows = 3;

    explicit TForm3(QWidget *parent = nullptr);
    ~TForm3() override;

    // The filling: position, title and the calculator's figures.
    void StringGrid1Click();
    // Print the strip's image, then close it (also the grid's double click).
    void Button1Click();
    // Empties columns 1 … 8 of all rows before the strip is opened.
    void clearBandColumns();

    QString cell(int column, int row) const;

    QTableWidget *StringGrid1 = nullptr;
    QPushButton *Button1 = nullptr;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setCell(int column, int row, const QString &text);
    void fillFromCalculator();
};
