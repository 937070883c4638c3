#pragma once

#include <QWidget>

class QEvent;
class QLabel;
class QPushButton;

// The main menu "Zensomat": opens every calculator, works out the data folder
// and shows the processor clock line.
class TForm1 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    QString dataFolderPath() const { return m_dataFolder; }

    // Enables the buttons whose windows exist.
    void updateButtons();

    // The application-wide hook: sees every message the program takes from its queue.
    void ApplicationEvents1Message(int message, qintptr wParam);

    QLabel *Image1 = nullptr;
    QLabel *Image2 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;
    QPushButton *Button4 = nullptr;
    QPushButton *Button5 = nullptr;
    QPushButton *Button6 = nullptr;
    QPushButton *Button7 = nullptr;
    QPushButton *Button8 = nullptr;
    QPushButton *Button9 = nullptr;
    QPushButton *Button11 = nullptr;
    QPushButton *ButtonSchluessel = nullptr;
    QPushButton *ButtonKlassenarbeiten = nullptr; // the stored class tests, in the row below the picture

signals:
    // The main menu was closed: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void openWindow(QPushButton *button);

    QString m_dataFolder;
};
