#include "misc/germanquotientwindow.h"

#include "common/accessiblenames.h"
#include "common/controls.h"
#include "common/errorreport.h"
#include "common/widgetstyle.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

using zm::misc::SchoolLevel;

namespace {

// The points table of a level as a small drawn grid: "Punkte" over the
// points, the level's name over "1 Fehler auf", each range under its points.
QTableWidget *makePointsPicture(QWidget *parent, const QString &name, SchoolLevel level, const QPoint &at)
{
    const QList<zm::misc::QuotientBand> &table = zm::misc::quotientTable(level);
    const QStringList ranges = zm::misc::quotientRanges(level);
    const int columns = static_cast<int>(table.size()) + 1;
    auto *grid = new QTableWidget(3, columns, parent);
    grid->setObjectName(name);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    const auto put = [grid](int row, int column, const QString &text) {
        auto *item = new QTableWidgetItem(text);
        item->setFlags(Qt::ItemIsEnabled);
        item->setTextAlignment(Qt::AlignCenter);
        grid->setItem(row, column, item);
    };
    put(0, 1, QStringLiteral("Punkte"));
    grid->setSpan(0, 1, 1, columns - 1);
    put(1, 0, level == SchoolLevel::MSA ? QStringLiteral("MSA") : QStringLiteral("ESA"));
    put(2, 0, QStringLiteral("1 Fehler auf"));
    for (int c = 1; c < columns; ++c) {
        put(1, c, QString::number(table.at(c - 1).points));
        put(2, c, ranges.at(c - 1));
    }
    constexpr int FirstColumn = 84;
    constexpr int RowHeight = 18;
    const int column = (596 - FirstColumn) / (columns - 1);
    grid->setColumnWidth(0, FirstColumn);
    for (int c = 1; c < columns; ++c)
        grid->setColumnWidth(c, column);
    for (int r = 0; r < 3; ++r)
        grid->setRowHeight(r, RowHeight);
    grid->setGeometry(at.x(), at.y(), FirstColumn + (columns - 1) * column + 2, 3 * RowHeight + 2);
    return grid;
}

} // namespace

TForm5::TForm5(QWidget *parent)
    : QWidget(parent, zm::ui::MinimiseCloseWindow)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("ESA/MSA Deutsch SH, verbindlich für 9. + 10. Klassen "));
    setFixedSize(640, 272);
    using zm::ui::makeLabel;

    auto *input = new QGroupBox(QStringLiteral("Eingabefeld"), this);
    input->setGeometry(10, 8, 300, 96);
    makeLabel(input, {}, QStringLiteral("Anzahl der Wörter:"), {12, 26, 140, 20});
    Edit1 = zm::ui::makeEdit(input, QStringLiteral("Edit1"), {160, 24, 110, 24});
    makeLabel(input, {}, QStringLiteral("Fehlerzahl:"), {12, 60, 140, 20});
    Edit2 = zm::ui::makeEdit(input, QStringLiteral("Edit2"), {160, 58, 110, 24});

    auto *output = new QGroupBox(QStringLiteral("Ergebnisanzeige, Niveauwahl"), this);
    output->setGeometry(10, 112, 620, 150);
    m_perErrorCaption = makeLabel(output, {}, QStringLiteral("1 Fehler auf:"), {12, 26, 100, 20});
    Label5 = makeLabel(output, QStringLiteral("Label5"), QStringLiteral(" "), {116, 26, 80, 20});
    m_pointsCaption = makeLabel(output, {}, QStringLiteral("Punkte:"), {12, 52, 100, 20});
    Label2 = makeLabel(output, QStringLiteral("Label2"), QStringLiteral(" "), {116, 52, 80, 20});
    for (QLabel *result : {Label5, Label2})
        zm::ui::setBold(result);
    nameResults();
    RadioButton1 = zm::ui::makeRadio(output, QStringLiteral("RadioButton1"), QStringLiteral("MSA"), {240, 26, 80, 20});
    RadioButton2 = zm::ui::makeRadio(output, QStringLiteral("RadioButton2"), QStringLiteral("ESA"), {240, 52, 80, 20});
    RadioButton1->setChecked(true);
    Image1 = makePointsPicture(output, QStringLiteral("Image1"), SchoolLevel::MSA, {12, 84});
    Image2 = makePointsPicture(output, QStringLiteral("Image2"), SchoolLevel::ESA, {12, 84});
    Image2->hide();
    // Each points table is named after its level's choice.
    Image1->setAccessibleName(QStringLiteral("%1 %2").arg(m_pointsCaption->text(), RadioButton1->text()));
    Image2->setAccessibleName(QStringLiteral("%1 %2").arg(m_pointsCaption->text(), RadioButton2->text()));

    Button1 = zm::ui::makeHiddenButton(this, QStringLiteral("Button1"));
    Button1->setText(QStringLiteral("berechnen"));

    zm::ui::centreOnScreen(this);
    using zm::ui::guard;
    zm::ui::onClicked(Button1, this, [this] { Button1Click(); });
    for (QLineEdit *edit : {Edit1, Edit2})
        connect(edit, &QLineEdit::textChanged, this, guard([this] { zm::ui::click(Button1); }));
    zm::ui::onChecked(RadioButton1, this, [this] { RadioButton1Click(); });
    zm::ui::onChecked(RadioButton2, this, [this] { RadioButton2Click(); });
}

TForm5::~TForm5() = default;

SchoolLevel TForm5::level() const
{
    return RadioButton2->isChecked() ? SchoolLevel::ESA : SchoolLevel::MSA;
}

void TForm5::Button1Click()
{
    if (Edit1->text().isEmpty() || Edit2->text().isEmpty())
        return;
    // A text that is not a number and a count of no errors go to the error
    // report; both results keep their texts.
    const zm::Fixed words = zm::parseFixed(Edit1->text());
    const zm::Fixed errors = zm::parseFixed(Edit2->text());
    Label5->setText(zm::formatFixed(zm::misc::wordsPerError(words, errors), 0));
    // The points follow the quotient as shown.
    int q = 0;
    if (zm::tryParseInt(Label5->text(), q))
        Label2->setText(QString::number(zm::misc::quotientPoints(level(), q)));
    nameResults();
}

void TForm5::nameResults()
{
    zm::ui::nameOutput(Label5, m_perErrorCaption->text());
    zm::ui::nameOutput(Label2, m_pointsCaption->text());
}

void TForm5::RadioButton1Click()
{
    Image1->show();
    Image2->hide();
    zm::ui::click(Button1);
}

void TForm5::RadioButton2Click()
{
    Image2->show();
    Image1->hide();
    zm::ui::click(Button1);
}
