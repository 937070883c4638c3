#include "misc/infowindow.h"

#include "common/controls.h"
#include "common/errorreport.h"
#include "common/windowprint.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>

#include <algorithm>
#include <array>

namespace {

// The help text, one line each; every line starts with one blank.
// clang-format off
constexpr std::array HelpLines = {
    " Hallo Kolleginnen und Kollegen,",
    " ",
    " der Zensomat ist für die Bedingungen an Gesamtschulen entwickelt worden,",
    " er lässt sich aber ebenso gut an anderen Schulen einsetzen. Alle Prozentwerte",
    " sind sinnvolle Vorgaben, die ihr ändern und für die weitere Arbeit speichern könnt.",
    " Das Programm soll euch die Arbeit außerhalb des Unterrichts verkürzen.",
    " Für Schleswig-Holstein richten sich die Fehlerindizes des Sprachen-Moduls nach",
    " den Vorgaben des Ministeriums (Stand 2014). Bitte prüft, ob inzwischen neuere",
    " Regelungen gelten.",
    " ",
    " Aber nun kurz zum Programm:",
    " ",
    " Die oberen Module erklären sich von selbst. Eigene Prozentwerte lassen sich",
    " speichern und werden beim nächsten Start wieder eingelesen. Die Vorgabewerte",
    " lassen sich für jedes Modul einzeln wiederherstellen. Die Titelzeile des",
    " Fensters zeigt immer den aktuellen Stand: ob eigene Werte oder die Vorgabewerte",
    " gelten und ob veränderte Werte noch nicht gespeichert sind.",
    " ",
    " Das Sprachen-Modul bewertet eine Arbeit in drei Bereichen:",
    " ",
    " A1) Sprachrichtigkeit und Grammatik: Die Punkte (0 bis 15) vergebt ihr selbst.",
    " Wer den genauen Fehlerindex nutzen möchte, schaltet mit [ mit Fehlerindex ] um.",
    " A2) Sprachrichtigkeit nach dem Fehlerindex: Ihr gebt Wort- und Fehlerzahl ein",
    " und wählt die Bezugsgruppe (Skala); die Punkte werden dann automatisch ermittelt.",
    " B) Ausdrucksvermögen: Auch diese Punkte vergebt ihr selbst.",
    " C) Aufgaben- bzw. Inhaltsteil, auf zwei Arten:",
    " Entweder erhält jede Teilaufgabe bis zu 15 Punkte, und hinter jeder Punktzahl",
    " steht ihre Gewichtung als Faktor oder als Prozentwert (ohne %-Zeichen eingeben).",
    " Oder ihr wählt die additive Methode: Die Punkte werden zusammengezählt und im",
    " Verhältnis zur vorgegebenen Höchstpunktzahl in das 15-Punkte-System umgerechnet.",
    " ",
    " Die drei Bereiche lassen sich mit frei wählbaren Faktoren gegeneinander",
    " gewichten. Soll ein Bereich allein berechnet werden, setzt ihr die Faktoren der",
    " beiden anderen auf 0 (Null).",
    " Für andere Schularten wählt ihr die sechsstufige Notenskala und im",
    " Sprachen-Modul die Bezugsgruppe „Klasse......10“.",
    " Die Punkte zu den Fehlerindizes stammen aus den Listen, die in",
    " Schleswig-Holstein verwendet werden (Stand 2014).",
    " ",
    " Die Schaltfläche [60% zu 40%] startet das Modul für die Endnote am Ende des",
    " Schuljahres: Es gewichtet die mündlichen gegen die schriftlichen Leistungen.",
    " ",
    " Der Zensomat braucht keine Installation und kann aus jedem beliebigen Ordner",
    " gestartet werden.",
    " ",
    " Viel Erfolg beim Korrigieren und Bewerten!",
};
// clang-format on

constexpr int Margin = 8;
constexpr int VisibleLines = 30;

} // namespace

TForm15::TForm15(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form15"));
    setWindowTitle(QStringLiteral("INFO"));

    QStringList lines;
    for (const char *line : HelpLines)
        lines << QString::fromUtf8(line);
    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setAccessibleName(QStringLiteral("Hilfetext"));
    RichEdit1->setReadOnly(true);
    RichEdit1->setLineWrapMode(QTextEdit::NoWrap);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setPlainText(lines.join(QLatin1Char('\n')));

    // Sized to the text: the longest line fits, about thirty lines show.
    const QFontMetrics metrics(RichEdit1->font());
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int chrome = 2 * RichEdit1->frameWidth() + 2 * static_cast<int>(RichEdit1->document()->documentMargin());
    const int width = widest + chrome + RichEdit1->verticalScrollBar()->sizeHint().width() + Margin;
    const int height = VisibleLines * metrics.lineSpacing() + chrome;
    RichEdit1->setGeometry(0, 0, width, height);
    setFixedSize(width, height);

    // Over the top right of the text.
    Button1 = zm::ui::makeButton(this, QStringLiteral("Button1"), QStringLiteral("Drucken"), {});
    Button1->adjustSize();
    Button1->move(width - RichEdit1->verticalScrollBar()->sizeHint().width() - Button1->width() - Margin, Margin);
    Button1->raise();
    zm::ui::onClicked(Button1, this, [this] { Button1Click(); });

    zm::ui::centreOnMainMenu(this);
}

TForm15::~TForm15() = default;

void TForm15::Button1Click()
{
    zm::print::printTextDocument(*RichEdit1->document(), windowTitle());
}
