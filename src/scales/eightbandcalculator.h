#pragma once

#include <QWidget>

#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;

// "Ü-8 Noten": the minimum score of every band of the eight-band scale (and
// of the six-band scale of special-needs schools) for a test's maximum score.
// The demand level decides which bands are shown and which default
// percentages apply; own percentages are kept per level in the data folder.
class TForm2 : public QWidget
{
    Q_OBJECT
public:
    // The demand levels, in the order of the level table.
    enum class Level { Star, TwoStars, ThreeStars, SpecialNeeds, StarPlusTwoStars, TwoPlusThreeStars, AllLevels };

    explicit TForm2(QWidget *parent = nullptr);
    ~TForm2() override;

    // The level whose radio button is selected.
    Level level() const;
    // Own-values file of a level ("ue8c.ini" …).
    static QString levelFile(Level level);

    // The computation: minimum scores of all eight bands.
    void PunktezahlChange();

    // Level switches, one per level radio button.
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void RadioButton4Click();
    void RadioButton5Click();
    void RadioButton6Click();
    void RadioButton9Click();

    // Entering a threshold field.
    void ue1prozEnter();
    void ue2prozEnter();
    void Button6Click();  // ue3proz
    void Button7Click();  // ue4proz
    void Button8Click();  // ue5proz
    void Button9Click();  // ue6proz
    void Button10Click(); // ue7proz
    void Button11Click(); // ue8proz

    void Button1Click(); // "Ergebnistabelle drucken"
    void Button2Click(); // "eigene % - Werte speichern"
    void Button3Click(); // "% - Vorgabe wiederherstellen"

    void FormShow();

    QLineEdit *Punktezahl = nullptr;
    QLineEdit *ue1proz = nullptr;
    QLineEdit *ue2proz = nullptr;
    QLineEdit *ue3proz = nullptr;
    QLineEdit *ue4proz = nullptr;
    QLineEdit *ue5proz = nullptr;
    QLineEdit *ue6proz = nullptr;
    QLineEdit *ue7proz = nullptr;
    QLineEdit *ue8proz = nullptr;
    QLabel *ue1bedarf = nullptr;
    QLabel *ue2bedarf = nullptr;
    QLabel *ue3bedarf = nullptr;
    QLabel *ue4bedarf = nullptr;
    QLabel *ue5bedarf = nullptr;
    QLabel *ue6bedarf = nullptr;
    QLabel *ue7bedarf = nullptr;
    QLabel *ue8bedarf = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *Label13 = nullptr;
    QLabel *Label14 = nullptr;
    QLabel *Label15 = nullptr;
    QLabel *Label16 = nullptr;
    QRadioButton *RadioButton1 = nullptr;
    QRadioButton *RadioButton2 = nullptr;
    QRadioButton *RadioButton3 = nullptr;
    QRadioButton *RadioButton4 = nullptr;
    QRadioButton *RadioButton5 = nullptr;
    QRadioButton *RadioButton6 = nullptr;
    QRadioButton *RadioButton7 = nullptr;
    QRadioButton *RadioButton8 = nullptr;
    QRadioButton *RadioButton9 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QSlider *TrackBar1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;

    // Band n (0-based) of the three columns.
    QLineEdit *threshold(int band) const { return m_thresholds.at(band); }
    QLabel *minimum(int band) const { return m_minimums.at(band); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildLayout();
    void connectHandlers();
    void FormCreate();
    void switchLevel(Level level);
    void markEntered(QLineEdit *field, const QColor &colour, bool announceChange);
    void setThresholdColours(const QColor &colour);
    QString dataFolder() const;

    std::array<QLineEdit *, 8> m_thresholds{};
    std::array<QLabel *, 8> m_minimums{};
    std::array<QLabel *, 8> m_captions{};
    QButtonGroup *m_levels = nullptr;
};
