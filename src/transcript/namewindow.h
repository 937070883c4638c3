#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// "Mitschrift aktiv!": asks for the name of the student just graded; "fertig"
// adds the row to the transcript and goes back to the essay window.
class TForm18 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm18(QWidget *parent = nullptr);
    ~TForm18() override;

    void Button1Click(); // "fertig"

    QLabel *Label1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *Button1 = nullptr;

protected:
    void paintEvent(QPaintEvent *event) override;
};
