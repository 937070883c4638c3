#pragma once

// What every result strip shares: a grid of three rows that copies its
// calculator's figures (band heads, thresholds, minimum scores) whenever it
// is activated, clicked or shown, a title or heading line with the maximum
// score, and printing its window image on a double click (or the hidden
// Button1), after which it closes. A strip reads its calculator only through
// BandSource; a new strip is its layout plus, where it differs, its own fill().

#include "scales/scaledefinition.h"

#include <QColor>
#include <QPoint>
#include <QSize>
#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;
class QTableWidget;

namespace zm::scales {

class BandSource;

class ResultStrip : public QWidget
{
    Q_OBJECT
public:
    enum class Refill {
        OnActivationAndClick, // every activation and every click into the grid
        OnShow,               // every showing
    };

    struct Layout
    {
        QString source; // objectName of the calculator
        QSize clientSize;
        QColor background{210, 227, 238};
        QString hint = QStringLiteral("Doppelklick !"); // shown over the whole window
        bool cellPainter = true;                        // cells drawn centred by the cell painter
        int gridLineWidth = 1;                          // the lines between the cells, in pixels
        bool minimiseBox = false;                       // the frame has a minimise button besides the close button
        Refill refill = Refill::OnActivationAndClick;
        // Placed at every filling relative to the main menu's top left;
        // without it the strip is centred on the screen once, at creation.
        std::optional<QPoint> besideMainMenu;
        int headingHeight = 0; // room for Label1 above the grid
        QString footer;        // Label2 below the grid; empty: none
        int footerHeight = 0;
    };

    ResultStrip(const QString &objectName, const StripLayout &strip, const Layout &layout, QWidget *parent = nullptr);
    ~ResultStrip() override;

    // The filling: position, title and the calculator's figures.
    void StringGrid1Click();
    // Prints the strip's window image, then closes it (also the double click).
    void Button1Click();
    // Fills the strip now, as its activation or showing would.
    void refill();
    // Empties columns 1 … of every row (the calculator does this before it opens the strip).
    void clearBandColumns();
    QString cell(int column, int row) const;
    // "Klassenarbeit auswerten…": the class-test window with the calculator's key.
    void evaluateClassTest();

    QTableWidget *StringGrid1 = nullptr;
    QPushButton *Button1 = nullptr;

protected:
    // Writes the cells and the title; the default copies the calculator's
    // chosen scale by its strip columns. Errors here are swallowed.
    virtual void fill();

    BandSource *source() const;
    const StripLayout &stripLayout() const { return m_strip; }
    void setCell(int column, int row, const QString &text);
    // Resizes the grid (and the window's width with it).
    void setColumnCount(int columns, int windowWidth);

    QLabel *Label1 = nullptr; // heading line, where the strip has one
    QLabel *Label2 = nullptr; // footer line, where the strip has one

    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createCells();

    StripLayout m_strip;
    Layout m_layout;
};

} // namespace zm::scales
