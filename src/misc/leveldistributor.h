#pragma once

#include "misc/levelsplit.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zm::ui {
class UpDown;
}

// "Velmorra Niveauverteiler": splits a test's points over the basic level,
// the extended level and the additional qualification. Typing one level
// completes the other two; the frame turns green while every share lies in
// its corridor. "zur Notenverteilung" hands the total to the eight-band
// calculator.
class TForm12 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm12(QWidget *parent = nullptr);
    ~TForm12() override;

    // A key released in a level field runs "level typed" through the hidden
    // buttons Button6 … Button8; a key released in Edit4 runs "total typed".
    void Edit1KeyUp();
    void Edit2KeyUp();
    void Edit3KeyUp();
    void Edit4KeyUp();
    void Button6Click(); // level typed: Grundniveau
    void Button7Click(); // Erweiterungsniveau
    void Button8Click(); // Zusatzqualifikation
    // An arrow of an up-down: +1 upper, -1 lower.
    void UpDown1Click(int direction);
    void UpDown2Click(int direction);
    void UpDown3Click(int direction);
    void CheckBox1Click();
    void Button2Click(); // "Ende"
    void Button3Click(); // "zur Notenverteilung"

    QWidget *Panel1 = nullptr; // its colour is the status, seen as a broad frame
    QWidget *Panel2 = nullptr; // holds the controls
    QLineEdit *Edit1 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QLineEdit *Edit3 = nullptr;
    QLineEdit *Edit4 = nullptr;
    QLineEdit *Edit5 = nullptr;
    QLineEdit *Edit6 = nullptr;
    QLineEdit *Edit7 = nullptr;
    zm::ui::UpDown *UpDown1 = nullptr;
    zm::ui::UpDown *UpDown2 = nullptr;
    zm::ui::UpDown *UpDown3 = nullptr;
    QLabel *Label5 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;
    QPushButton *Button6 = nullptr;
    QPushButton *Button7 = nullptr;
    QPushButton *Button8 = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLayout();
    void connectHandlers();
    void levelTyped(int level);
    void stepLevel(int level, int direction);
    zm::misc::LevelPoints readLevels() const;
    void showShares(const zm::misc::LevelPoints &points);
    void showStatus(const zm::misc::LevelPoints &points);

    std::array<QLineEdit *, 3> m_levels{};
    std::array<QLineEdit *, 3> m_shares{};
    std::array<QPushButton *, 3> m_typedButtons{};
    int m_lastTyped = -1; // 0 … 2; none at start
};
