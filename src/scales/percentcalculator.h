#pragma once

// What every percentage calculator shares: the band column (threshold field,
// caption and minimum-score label per band), the maximum score, the
// "milder/strenger" track bar and the rounding pair, the computation, the
// window title as a status line, the marks on entering a field, Enter and
// Escape acting as Tab, and loading, saving and restoring own values. A
// calculator is its definition (scales/scaledefinition.h), the positions of
// its controls and its own handlers.

#include "scales/bandsource.h"
#include "scales/scaledefinition.h"

#include <QRect>
#include <QWidget>

#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;

namespace zm::scales {

class ResultStrip;

// A label, button or radio button to create: objectName, text, position.
struct Placed
{
    QString name;
    QString text;
    QRect at;
};

// Where the band column lies: band n's row is `top + n × rowStep` high.
struct BandColumnGeometry
{
    int headTop = 10;
    int top = 32;
    int rowStep = 28;
    QRect field{16, 0, 60, 24}; // x and size of the threshold field
    QRect caption{90, 3, 44, 18};
    QRect minimum{136, 0, 84, 24};
    int headHeight = 18;
};

class PercentCalculator : public QWidget, public BandSource
{
    Q_OBJECT
public:
    // What sets the calculators apart besides their data.
    struct Behaviour
    {
        QString strip;                   // objectName of the result strip
        bool titleOnCompute = false;     // every computation sets "...veränderte Werte speichern?"
        bool focusAfterCompute = false;  // the window takes the focus after computing
        bool enterActsAsTab = true;      // Enter and Escape anywhere in the window move on like Tab
        bool thresholdTabStops = true;   // the Tab key reaches the threshold fields
        bool messageBeforeFolder = true; // saving shows where it saves before making sure the folder exists
        bool saveSetsTitle = true;       // saving sets "  Du benutzt eigene %-Werte!"
        bool loadSetsTitle = true;       // loading own values sets the title by the file's existence
        bool clearStripOnOpen = false;   // the table button empties the strip's band columns first
        bool restoreHidesStrip = false;  // restoring closes the strip rather than the calculator
        QString startMinimum = QString(10, QLatin1Char(' ')); // the minimum labels before any computation
    };

    // The window title as a status line.
    enum class Status { OwnValues, Defaults, Changed };

    PercentCalculator(const CalculatorDefinition &definition, const Behaviour &behaviour, QWidget *parent = nullptr);
    ~PercentCalculator() override;

    // BandSource
    QString scoreText() const override;
    const ScaleDefinition &chosenScale() const override;
    QString thresholdText(int band) const override;
    QString minimumText(int band) const override;

    int bands() const;
    QLineEdit *threshold(int band) const;
    QLabel *minimum(int band) const;
    QLabel *caption(int band) const;

    // The computation: every band's minimum score.
    void PunktezahlChange();
    // "Ergebnistabelle drucken": the table message, then the strip instead of this window.
    void Button1Click();
    // "eigene % - Werte speichern"
    void Button2Click();
    // "% - Vorgabe wiederherstellen": delete the own values, restart the program.
    void Button3Click();
    // What entering threshold field `band` does (aqua, red, "???").
    void markField(int band);

    QLineEdit *Punktezahl = nullptr;

protected:
    const CalculatorDefinition &definition() const { return m_definition; }
    const Behaviour &behaviour() const { return m_behaviour; }

    // Which of the definition's scales is chosen (a level, a subject).
    virtual int chosenIndex() const { return 0; }
    // The boundary offset of the offset rule, in percentage points.
    virtual Fixed boundaryOffset() const { return {}; }
    // Runs after the strip was shown, before this window hides.
    virtual void stripShown(ResultStrip *strip) { Q_UNUSED(strip); }

    // Building blocks, used by each calculator's constructor; finishBuilding
    // wires the handlers and must come last.
    void buildBandColumn(const BandColumnGeometry &geometry);
    void buildScoreField(const QRect &field, const QList<Placed> &labels);
    void buildTrackBar(const QRect &bar, const Placed &milder, const Placed &stricter);
    // A third choice, half points, where `halfPoints` names one.
    void buildRounding(const QRect &group, const Placed &wholePoints, const Placed &oneDecimal,
                       const Placed &halfPoints = {});
    void buildButtons(const Placed &table, const Placed &save, const Placed &restore);
    void finishBuilding();

    Rounding rounding() const;
    void setStatus(Status status);
    void setThresholdColours(const QColor &colour);
    void setRowVisible(int band, bool shown);
    // What a screen reader says for each band's field and minimum score:
    // its caption and the figure shown now.
    void nameBands();

    // Choosing a scale: its captions and rows, its defaults when it has no
    // own-values file (or always, where the scale says so), then the title
    // and the file's values (loadOwnValues).
    void applyScale(const ScaleDefinition &scale);
    // The title by the file's existence, then the file's lines into the
    // threshold fields. A file that cannot be read is passed over silently.
    void loadOwnValues(const ScaleDefinition &scale);
    // The lines a save writes; by default every threshold field's text.
    virtual QStringList ownValueLines() const;
    // Puts the lines read from the own-values file into the window; by
    // default into threshold fields 1 … in order.
    virtual void takeOwnValues(const QStringList &lines);

    bool eventFilter(QObject *watched, QEvent *event) override;

    QSlider *TrackBar1 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QRadioButton *m_wholePoints = nullptr;
    QRadioButton *m_oneDecimal = nullptr;
    QRadioButton *m_halfPoints = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;

private:
    Fixed bandMinimum(const ScaleInputs &inputs, int band, Rounding rounding) const;

    const CalculatorDefinition &m_definition;
    Behaviour m_behaviour;
    std::vector<QLineEdit *> m_thresholds;
    std::vector<QLabel *> m_minimums;
    std::vector<QLabel *> m_captions;
};

// The six-line message shown before a result strip opens.
void showTableMessage();

} // namespace zm::scales
