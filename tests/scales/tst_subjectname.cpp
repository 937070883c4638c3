#include "scales/subjectscale.h"

#include "support/testmain.h"

#include <QTest>

class TestSubjectName : public QObject
{
    Q_OBJECT

private slots:
    void shortName_data()
    {
        // clang-format off
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shortName");
        QTest::newRow("third letter o")    << "Biologie"                  << "Bio.";
        QTest::newRow("Geographie")        << "Geographie"                << "Geo.";
        QTest::newRow("four letters")      << "Chemie"                    << "Chem.";
        QTest::newRow("Kunst")             << "Kunst"                     << "Kuns.";
        QTest::newRow("Erdkunde")          << "Erdkunde"                  << "Erdk.";
        QTest::newRow("exactly four")      << "Math"                      << "Math.";
        QTest::newRow("short")             << "Ma"                        << "Ma.";
        QTest::newRow("three with o")      << "Geo"                       << "Geo.";
        QTest::newRow("capital O")         << "BIOLOGIE"                  << "BIOL.";
        QTest::newRow("placeholder")       << "weitere lt. Fachkonferenz" << "weit.";
        QTest::newRow("empty")             << ""                          << ".";
        // clang-format on
    }
    void shortName()
    {
        QFETCH(QString, name);
        QFETCH(QString, shortName);
        QCOMPARE(zm::scales::shortSubjectName(name), shortName);
    }
};

ZM_TEST_MAIN_CORE(TestSubjectName)
#include "tst_subjectname.moc"
