#include "misc/germanquotient.h"

#include "support/testmain.h"

#include <QTest>

using namespace zm;
using misc::SchoolLevel;

class TestGermanQuotient : public QObject
{
    Q_OBJECT

private slots:
    void wordsPerError_data()
    {
        // clang-format off
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("errors");
        QTest::addColumn<QString>("quotient"); // four places
        QTest::addColumn<QString>("shown");    // as the window shows it
        QTest::newRow("250 / 12")          << "250"     << "12"  << "20,8333" << "21";
        QTest::newRow("250 / 20")          << "250"     << "20"  << "12,5000" << "12";
        QTest::newRow("270 / 20")          << "270"     << "20"  << "13,5000" << "14";
        QTest::newRow("11,5 per error")    << "23"      << "2"   << "11,5000" << "12";
        QTest::newRow("11,4999 per error") << "11,4999" << "1"   << "11,4999" << "11";
        QTest::newRow("2,5 errors")        << "100"     << "2,5" << "40,0000" << "40";
        QTest::newRow("more errors")       << "10"      << "30"  << "0,3333"  << "0";
        // clang-format on
    }
    void wordsPerError()
    {
        QFETCH(QString, words);
        QFETCH(QString, errors);
        QFETCH(QString, quotient);
        QFETCH(QString, shown);
        const Fixed q = misc::wordsPerError(parseFixed(words), parseFixed(errors));
        QCOMPARE(formatFixed(q, 4), quotient);
        QCOMPARE(formatFixed(q, 0), shown);
    }

    void noErrors() { QVERIFY_THROWS_EXCEPTION(MathError, misc::wordsPerError(parseFixed("250"), Fixed())); }

    // Each band's lowest quotient and the one below it.
    void points_data()
    {
        QTest::addColumn<SchoolLevel>("level");
        QTest::addColumn<QList<int>>("quotients");
        QTest::addColumn<QList<int>>("points");
        QTest::newRow("MSA") << SchoolLevel::MSA << QList<int>{100, 99, 70, 69, 50, 49, 42, 41, 33, 32, 20,
                                                               19,  18, 17, 16, 15, 14, 13, 12, 11, 0,  -3}
                             << QList<int>{10, 9, 9, 8, 8, 7, 7, 6, 6, 5, 5, 4, 4, 3, 3, 2, 2, 1, 1, 0, 0, 0};
        QTest::newRow("ESA") << SchoolLevel::ESA << QList<int>{70, 69, 40, 39, 25, 24, 15, 14, 12, 11, 9, 8, 0}
                             << QList<int>{6, 5, 5, 4, 4, 3, 3, 2, 2, 1, 1, 0, 0};
    }
    void points()
    {
        QFETCH(SchoolLevel, level);
        QFETCH(QList<int>, quotients);
        QFETCH(QList<int>, points);
        for (qsizetype i = 0; i < quotients.size(); ++i)
            QVERIFY2(misc::quotientPoints(level, quotients.at(i)) == points.at(i),
                     qPrintable(QString::number(quotients.at(i))));
    }

    void ranges()
    {
        QCOMPARE(misc::quotientRanges(SchoolLevel::ESA),
                 (QStringList{"≥70", "69-40", "39-25", "24-15", "14-12", "11-9", "8-0"}));
    }
};

ZM_TEST_MAIN_CORE(TestGermanQuotient)
#include "tst_germanquotient.moc"
