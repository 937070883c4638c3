#pragma once

// Language error index without any GUI: the error quotient (errors per 100
// words) and the ladders that turn it into points for language correctness
// and band texts, one table per class or course level.

#include "common/fixedpoint.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace zm::langindex {

// The 26 levels, in the order their rules are evaluated and listed.
enum class Level {
    Engl7,
    Engl8,
    Engl9,
    R10,
    G11,
    L11,
    G12,
    L12,
    G13,
    L13,
    Deutsch,
    DtSek1,
    Ewert,
    Frz11ab57,    // RadioButton1
    Frz11ab911,   // RadioButton2
    FrzGK12ab57,  // RadioButton5
    FrzGK12ab911, // RadioButton6
    FrzLK12ab57,  // RadioButton3
    FrzLK12ab9,   // RadioButton4
    FrzLK12ab11,  // RadioButton14
    FrzGK13ab57,  // RadioButton15
    FrzGK13ab9,   // RadioButton10
    FrzGK13ab11,  // RadioButton16
    FrzLK13ab57,  // RadioButton7
    FrzLK13ab9,   // RadioButton8
    FrzLK13ab11,  // RadioButton9
};

struct LevelInfo
{
    Level level;
    const char *objectName; // radio button of the essay window ("engl7", "RadioButton14")
    const char *caption;    // UTF-8
    const char *hint;       // UTF-8, "" for none
    bool leftColumn;        // English/German frame (left) or French frame (right)
};

// All levels in evaluation order (left column first, then the right one).
const std::array<LevelInfo, 26> &levels();
const LevelInfo &info(Level level);

// Quotient q = E × 100 / W in extended precision, rounded to four places.
// Throws ConversionError when a text is not a number (callers stay silent),
// MathError "Gleitkommadivision durch Null" for W = 0 ("Ungültige
// Gleitkommaoperation" when E is 0 too).
Fixed quotient(const QString &wordCount, const QString &errorCount);

// What one mapping writes: a target left as std::nullopt keeps its text.
struct Mapping
{
    std::optional<QString> points;  // Edit4
    std::optional<QString> label21; // English band (German band for "Deutsch, Sek1")
    std::optional<QString> label24; // French band
};

// Maps the stored quotient with the rules of `level`: strict greater-than,
// every matching rule writes, the last one wins. `ownBounds` holds the
// sixteen texts of the own-thresholds window for "eigene Werte": the hidden
// bound of 15 points first, then the fields of 14 … 0 points; they are parsed
// at this moment, and a text that is not a number silently ends that level's
// remaining rules.
Mapping map(Level level, Fixed q, const QStringList &ownBounds = {});

// The text of the index view: a first line, then every level's rules (without
// "eigene Werte") in the form of program statements.
QString indexText();

} // namespace zm::langindex
