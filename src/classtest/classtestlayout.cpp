// The class-test window's controls and where they stand.

#include "classtest/barchart.h"
#include "classtest/classtestwindow.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zm::classtest {

namespace {

template <class T> T *named(T *widget, const char *name, const QString &accessibleName)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setAccessibleName(accessibleName);
    return widget;
}

QTableWidget *smallTable(QWidget *parent, const char *name, const QString &accessibleName, const QStringList &rows)
{
    auto *table = named(new QTableWidget(static_cast<int>(rows.size()), 0, parent), name, accessibleName);
    table->setVerticalHeaderLabels(rows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return table;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, const QString &accessibleName)
{
    return named(new QPushButton(caption, parent), name, accessibleName);
}

} // namespace

void ClassTestWindow::buildControls()
{
    setObjectName(QStringLiteral("Klassenarbeit"));
    setAccessibleName(QStringLiteral("Klassenarbeit auswerten"));

    Titel = named(new QLineEdit(this), "Titel", QStringLiteral("Titel der Arbeit"));
    Klasse = named(new QLineEdit(this), "Klasse", QStringLiteral("Klasse"));
    Datum = named(new QDateEdit(this), "Datum", QStringLiteral("Datum der Arbeit"));
    Datum->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    Datum->setCalendarPopup(true);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Titel:"), Titel);
    form->addRow(QStringLiteral("&Klasse:"), Klasse);
    form->addRow(QStringLiteral("&Datum:"), Datum);

    Schluessel = smallTable(this, "Schluessel", QStringLiteral("Schlüssel: Noten und Mindestpunktzahlen"),
                            {QStringLiteral("Note"), QStringLiteral("ab")});
    Schluessel->horizontalHeader()->hide();
    Hoechstpunktzahl = named(new QLabel(this), "Hoechstpunktzahl", QStringLiteral("Höchstpunktzahl"));
    auto *keyBox = new QVBoxLayout;
    keyBox->addWidget(new QLabel(QStringLiteral("Schlüssel:"), this));
    keyBox->addWidget(Schluessel);
    keyBox->addWidget(Hoechstpunktzahl);

    Ergebnisse = named(new QTableWidget(0, 3, this), "Ergebnisse", QStringLiteral("Ergebnisse: Name, Punkte, Note"));
    Ergebnisse->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Punkte"), QStringLiteral("Note")});
    Ergebnisse->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    // Points and grade columns get fixed widths with the key (classtestwindow.cpp):
    // measuring 500 rows on every keystroke would cost more than the rest.
    Ergebnisse->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
    Ergebnisse->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Fixed);
    Ergebnisse->setEditTriggers(QAbstractItemView::AllEditTriggers);
    Ergebnisse->setSelectionMode(QAbstractItemView::SingleSelection);
    Ergebnisse->setTabKeyNavigation(true);
    Ergebnisse->setMinimumWidth(fontMetrics().averageCharWidth() * 45);

    Notenspiegel = smallTable(this, "Notenspiegel", QStringLiteral("Notenspiegel: Anzahl und Anteil je Note"),
                              {QStringLiteral("Anzahl"), QStringLiteral("Anteil")});
    Durchschnitt = named(new QLabel(this), "Durchschnitt", QStringLiteral("Durchschnitt"));
    Diagramm = new BarChart(this);

    ButtonDrucken = button(this, "ButtonDrucken", QStringLiteral("&Drucken…"), QStringLiteral("Drucken"));
    ButtonPdf = button(this, "ButtonPdf", QStringLiteral("Als &PDF speichern…"), QStringLiteral("Als PDF speichern"));
    ButtonCsv = button(this, "ButtonCsv", QStringLiteral("&CSV speichern…"), QStringLiteral("CSV speichern"));
    ButtonArchiv = button(this, "ButtonArchiv", QStringLiteral("&Gespeicherte Arbeiten…"),
                          QStringLiteral("Gespeicherte Arbeiten"));
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {ButtonDrucken, ButtonPdf, ButtonCsv, ButtonArchiv})
        buttons->addWidget(b);
    buttons->addStretch();

    auto *right = new QVBoxLayout;
    right->addLayout(form);
    right->addLayout(keyBox);
    right->addWidget(new QLabel(QStringLiteral("Notenspiegel:"), this));
    right->addWidget(Notenspiegel);
    right->addWidget(Durchschnitt);
    right->addWidget(Diagramm, 1);

    auto *columns = new QHBoxLayout;
    columns->addWidget(Ergebnisse, 1);
    columns->addLayout(right, 1);

    auto *outer = new QVBoxLayout(this);
    outer->addLayout(columns, 1);
    outer->addLayout(buttons);
    resize(sizeHint().expandedTo(QSize(900, 600)));
}

} // namespace zm::classtest
