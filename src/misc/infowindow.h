#pragma once

#include <QWidget>

class QPushButton;
class QTextEdit;

// "INFO": the help text about the whole program, read-only, and its printing.
class TForm15 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm15(QWidget *parent = nullptr);
    ~TForm15() override;

    // "Drucken": the whole text, paginated, as one job titled with the window title.
    void Button1Click();

    QTextEdit *RichEdit1 = nullptr;
    QPushButton *Button1 = nullptr;
};
