#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QSlider;

// "Berechnen der Endnoten": oral and written points of the fifteen-point
// system, weighted by the track bar, give the total points and the final
// grade with tendency. Stays on top of the other windows.
class TForm13 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm13(QWidget *parent = nullptr);
    ~TForm13() override;

    // The computation: on every change of Edit1 or Edit2, every move of the
    // track bar and a click on Label6.
    void Label6Click();

    QLineEdit *Edit1 = nullptr; // oral points
    QLineEdit *Edit2 = nullptr; // written points
    QLabel *Label2 = nullptr;   // oral weight
    QLabel *Label4 = nullptr;   // written weight
    QLabel *Label6 = nullptr;   // total points
    QLabel *Label7 = nullptr;   // grade
    QSlider *TrackBar1 = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
};
