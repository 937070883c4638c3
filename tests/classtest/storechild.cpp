// Stores one change in a class-test database, says so on stdout and waits
// for a line on stdin before the next change; the store test kills it there.

#include "classtest/sqlitestore.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    try {
        zm::classtest::SqliteStore store(QString::fromLocal8Bit(argv[1]));
        zm::classtest::ClassTest test;
        test.title = QStringLiteral("Diktat");
        test.date = QDate(2024, 3, 5);
        test.key = {{{QStringLiteral("Ü 1"), QStringLiteral("20")}, {QStringLiteral("Ü 2"), QStringLiteral("0")}},
                    QStringLiteral("40")};
        const qint64 id = store.create(test);
        store.setResult(id, 0, {QStringLiteral("Anna"), QStringLiteral("27,5")});
        std::printf("%lld\n", static_cast<long long>(id));
        std::fflush(stdout);
        char line[16];
        if (!std::fgets(line, sizeof line, stdin))
            return 3;
        store.setResult(id, 1, {QStringLiteral("Ben"), QStringLiteral("12")});
    } catch (const zm::Error &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
