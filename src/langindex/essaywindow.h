#pragma once

// The language essay grade window: language correctness (typed by hand or
// derived from the error index), expression and up to six part tasks, and
// the help, index view and clock around them.

#include "common/fixedpoint.h"
#include "langindex/errorindex.h"
#include "langindex/essayhandoff.h"
#include "langindex/essaygrade.h"

#include <QWidget>

#include <array>

class QButtonGroup;
class QCheckBox;
class QEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QShowEvent;
class QStatusBar;
class QTextEdit;
class QTime;
class QTimer;

class TForm14 : public QWidget, public zm::langindex::EssayHandOff, private zm::langindex::EssayFields
{
    Q_OBJECT
public:
    explicit TForm14(QWidget *parent = nullptr);
    ~TForm14() override;

    // Shared with the transcript: 1 = a result computed with recording on and
    // not yet saved, 2 = nothing pending, 3 = recording on, nothing computed yet.
    int transcriptPending = 3;

    // The quotient of the last successful calculation (0 at start).
    zm::Fixed storedQuotient() const { return m_quotient; }
    // True while the error index fields are shown ("ohne Fehlerindex" on the button).
    bool indexMode() const { return m_indexMode; }
    // The radio button of a level, and the selected level (nullptr: none).
    QRadioButton *levelButton(zm::langindex::Level level) const;
    const zm::langindex::LevelInfo *selectedLevel() const override;

    QStringList resultCells() const override;
    int pendingState() const override { return transcriptPending; }
    void setPendingState(int state) override { transcriptPending = state; }

    // The clock panel's text: "14:05 Uhr".
    static QString clockText(const QTime &time);

    // Window creation and a click on "Ergebnisse mitschreiben".
    void FormCreate();
    // Error quotient from word and error count (a change of Edit2).
    void Edit3Change();
    // Points and band texts of the selected level for the stored quotient.
    void Edit4Change();
    // "mit Fehlerindex" / "ohne Fehlerindex".
    void Button14Click();
    // Handlers of the part tasks 3, 1, 2, 4, 5, 6 (named after their points fields).
    void Edit11Change();
    void Edit12Change();
    void Edit13Change();
    void Edit14Change();
    void Edit15Change();
    void Edit16Change();
    // Part modes: weighted ("jeder Teil erhält max. 15 Punkte.") and additive.
    void RadioButton12Click();
    void RadioButton13Click();
    // Expression points changed: check the language points.
    void Edit17Change();
    void Button1Click();  // "eigene Werte eingeben"
    void Button4Click();  // "Indexwerte ansehen"
    void Button5Click();  // "Drucken"
    void Button6Click();  // "Werte wieder ausblenden"
    void Button7Click();  // "Diktat": the level distributor, once it exists
    void Button8Click();  // "Hinweise zum Vorgehen"
    void Button11Click(); // "Info"
    void Button12Click(); // "Ende"
    void Button13Click(); // "Hilfe zum Programm": the information window, once it exists
    void Timer1Timer();

    // Final grade and transcript hand-off.
    void Button3Click();  // "Endnote berechnen"
    void Label30Click();  // grade text; also runs on every change of Edit21
    void Button9Click();  // "Mitschrift speichern"
    void Button10Click(); // "ansehen/öffnen"

    // Final score and grade.
    QLineEdit *Edit21 = nullptr;
    QLabel *Label30 = nullptr;
    // Language: word count, error count, quotient, points.
    QLineEdit *Edit1 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QLineEdit *Edit3 = nullptr;
    QLineEdit *Edit4 = nullptr;
    QLabel *Label21 = nullptr;      // English band (German band for "Deutsch, Sek1")
    QLabel *Label24 = nullptr;      // French band
    QGroupBox *GroupBox1 = nullptr; // with index
    QGroupBox *GroupBox6 = nullptr; // without index
    QLabel *Image1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr; // hidden: its click maps again
    QPushButton *Button4 = nullptr;
    QPushButton *Button7 = nullptr;
    QPushButton *Button11 = nullptr;
    // Middle column.
    QPushButton *Button3 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QPushButton *Button14 = nullptr;
    QPushButton *Button9 = nullptr;
    QPushButton *Button10 = nullptr;
    QPushButton *Button8 = nullptr;
    QPushButton *Button13 = nullptr;
    QPushButton *Button12 = nullptr;
    QLineEdit *Edit17 = nullptr; // expression points
    // Content: part modes, maximum, six parts (points, weight or value).
    QRadioButton *RadioButton12 = nullptr;
    QRadioButton *RadioButton13 = nullptr;
    QLineEdit *Edit22 = nullptr;
    QLineEdit *Edit5 = nullptr;
    QLineEdit *Edit6 = nullptr;
    QLineEdit *Edit7 = nullptr;
    QLineEdit *Edit8 = nullptr;
    QLineEdit *Edit9 = nullptr;
    QLineEdit *Edit10 = nullptr;
    QLineEdit *Edit11 = nullptr;
    QLineEdit *Edit12 = nullptr;
    QLineEdit *Edit13 = nullptr;
    QLineEdit *Edit14 = nullptr;
    QLineEdit *Edit15 = nullptr;
    QLineEdit *Edit16 = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *Label25 = nullptr;
    // Area weights: language, expression, content.
    QGroupBox *GroupBox11 = nullptr;
    QLineEdit *Edit18 = nullptr;
    QLineEdit *Edit19 = nullptr;
    QLineEdit *Edit20 = nullptr;
    // Index text view.
    QTextEdit *RichEdit1 = nullptr;
    QPushButton *Button5 = nullptr;
    QPushButton *Button6 = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    std::array<QLabel *, 3> statusPanels{};
    QTimer *Timer1 = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    struct Part
    {
        QLineEdit *points = nullptr;
        QLineEdit *value = nullptr; // weight (weighted mode) or 15-point value (additive mode)
    };

    // Layout, in essaywindowlayout.cpp.
    void buildTopAndLanguage();
    void buildLevels();
    void buildMiddleColumn();
    void buildContent();
    void buildBottom();
    void buildIndexViewAndStatus();

    void connectHandlers();
    void bindFields();
    void setPartMode(bool additive);
    QStringList ownBounds() const;
    void updateButtons();

    // The fields the grade computation reads and writes.
    QString text(zm::langindex::Field field) const override;
    void setText(zm::langindex::Field field, const QString &text) override;
    void showMessage(const QString &text) override;
    void beep() override;
    void makeTabStop(zm::langindex::Field field) override;

    zm::langindex::EssayGrade m_grade{*this};
    std::array<QWidget *, static_cast<std::size_t>(zm::langindex::Field::End)> m_fields{};
    zm::Fixed m_quotient;
    bool m_indexMode = false;
    std::array<Part, zm::langindex::PartCount> m_parts{};
    std::array<QRadioButton *, 26> m_levelButtons{};
    QButtonGroup *m_levelGroup = nullptr;
    QList<QWidget *> m_withoutIndexLabels;
    QList<QLabel *> m_weightedNotes;
};
