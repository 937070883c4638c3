#pragma once

#include "scales/percentcalculator.h"

class QButtonGroup;
class QRadioButton;

// "Ü-8 Noten": the minimum score of every band of the eight-band scale (and
// of the six-band scale of special-needs schools) for a test's maximum score.
// The demand level decides which bands are shown and which default
// percentages apply; own percentages are kept per level in the data folder.
class TForm2 : public zm::scales::PercentCalculator
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

    // The level switch: captions, rows, defaults or own values, title.
    void switchLevel(Level level);

    void FormShow();

    // "*, ** +***": the level distributor selects it from outside.
    QRadioButton *RadioButton1 = nullptr;

protected:
    int chosenIndex() const override;
    void showEvent(QShowEvent *event) override;

private:
    QButtonGroup *m_levels = nullptr;
};
