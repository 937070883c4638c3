#include "scales/subjectscaletable.h"

#include "scales/bandsource.h"
#include "scales/subjectscale.h"

#include <QLineEdit>

#include <array>

namespace {

// Per subject, in the order of the codes: the corner cell (null: the short
// form of the own subject's name in the calculator's field `nameField`) and
// the window width; the column count follows from the scale's strip heads.
struct StripChoice
{
    const char *corner;
    const char *nameField;
    int width;
};

// clang-format off
constexpr std::array<StripChoice, zm::scales::SubjectCount> StripChoices = {{
    {"Ma.",   nullptr, 260}, // Mathematik
    {"Dt-E.", nullptr, 260}, // Englisch/Deutsch
    {nullptr, "Edit1", 260}, // first own subject
    {"Note:", nullptr, 325}, // Hallbrinks Ü8
    {"Note:", nullptr, 290}, // Hallbrinks Ü7
    {nullptr, "Edit2", 260}, // second own subject
}};
// clang-format on

constexpr int WidestColumns = 9;
constexpr int WidestWidth = 325;

zm::scales::ResultStrip::Layout subjectStrip()
{
    zm::scales::ResultStrip::Layout l;
    l.source = QStringLiteral("Form21");
    l.clientSize = {WidestWidth, 60};
    l.hint.clear();
    l.refill = zm::scales::ResultStrip::Refill::OnShow;
    l.besideMainMenu = QPoint(116, 58);
    return l;
}

} // namespace

TForm6::TForm6(QWidget *parent)
    : ResultStrip(QStringLiteral("Form6"), zm::scales::subjectScaleCalculator().strip, subjectStrip(), parent)
{
}

TForm6::~TForm6() = default;

void TForm6::fill()
{
    setColumnCount(WidestColumns, WidestWidth);
    const zm::scales::BandSource *calculator = source();
    if (!calculator) {
        ResultStrip::fill();
        return;
    }
    const QList<zm::scales::ScaleDefinition> &scales = zm::scales::subjectScaleCalculator().scales;
    const zm::scales::ScaleDefinition &scale = calculator->chosenScale();
    const auto index = static_cast<std::size_t>(&scale - scales.constData());
    const StripChoice &choice = StripChoices.at(index);
    setColumnCount(static_cast<int>(scale.strip.heads.size()) + 1, choice.width);
    ResultStrip::fill();
    if (choice.corner) {
        setCell(0, 0, QString::fromUtf8(choice.corner));
    } else if (const auto *calculatorWindow = dynamic_cast<const QWidget *>(calculator)) {
        if (const auto *name = calculatorWindow->findChild<QLineEdit *>(QString::fromLatin1(choice.nameField)))
            setCell(0, 0, zm::scales::shortSubjectName(name->text()));
    }
}
