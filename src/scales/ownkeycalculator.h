#pragma once

#include "scales/percentcalculator.h"

class QComboBox;

// "Eigener Notenschlüssel": a key for any school. The template (`Vorlage`)
// chooses the bands; the break point (`Knick`) and the top (`Spitze`)
// spread their thresholds, which the teacher may type over; the minimum
// scores are rounded to whole points, half points or one decimal. Template,
// break point, top, rounding and every threshold are kept in
// "eigenerschluessel.ini".
class OwnKeyCalculator : public zm::scales::PercentCalculator
{
    Q_OBJECT
public:
    explicit OwnKeyCalculator(QWidget *parent = nullptr);
    ~OwnKeyCalculator() override;

    // A new template: its captions and rows, then new thresholds.
    void VorlageChange();
    // New break point or top: new thresholds.
    void KnickSpitzeChange();

    QComboBox *Vorlage = nullptr;
    QLineEdit *Knick = nullptr;
    QLineEdit *Spitze = nullptr;

protected:
    int chosenIndex() const override;
    // Throws ConversionError for a field that is not a number.
    QStringList ownValueLines() const override;
    // A file that is not sound (short, a code or a number that does not
    // read) leaves the defaults and goes to the error report.
    void takeOwnValues(const QStringList &lines) override;

private:
    // The thresholds spread from the fields; nothing while they do not read.
    void regenerate();
    void setDefaults();
    // Changes by hand ask to save; changes while loading do not.
    void markChanged();

    QList<QRadioButton *> m_roundings; // in the order of their stored codes 1 …
    bool m_loading = false;
};
