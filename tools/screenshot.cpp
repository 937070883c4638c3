// Shows one window of the program and saves its image, for the pictures in
// the documentation:
//   screenshot <Form1|Form2|…> <out.png> [[FormN.]Control=text | [FormN.]Control=check | [FormN.]Control=click …]
// Settings are applied in order; a control without a window prefix belongs to the window shown.
// Run it under a real display server (xvfb-run) so that the look is the real one.

#include "app/application.h"
#include "app/forms.h"
#include "common/clock.h"
#include "common/errorreport.h"
#include "common/messages.h"
#include "platform/platform.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QTableWidget>
#include <QTimer>
#include <QWidget>

#include <cstdio>

int main(int argc, char *argv[])
{
    zm::app::Application app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: screenshot <window objectName> <out.png> "
                             "[Control=text|check|click|trigger|index|row;column;text]...\n");
        return 2;
    }
    zm::ui::setApplicationTitle(QStringLiteral("Zensomat"));
    zm::ui::setMessageHook([](const zm::ui::ShownBox &) {});
    // The date, the time and the processor clock are fixed, so that a picture
    // changes only when its window does.
    zm::clock::setNowProvider([] { return QDateTime(QDate(2026, 12, 8), QTime(10, 30)); });
    zm::platform::setClockMeasurement([] { return 1200000000u; });
    zm::app::createAllWindows();
    // A window made by an action (the class test from a strip's menu) is
    // there only once the settings have run.
    QWidget *w = zm::app::windowToOpen(args[0]);
    if (w)
        w->show();
    for (const QString &setting : args.mid(2)) {
        const QString target = setting.section(QLatin1Char('='), 0, 0);
        const QString value = setting.section(QLatin1Char('='), 1);
        const QString form = target.contains(QLatin1Char('.')) ? target.section(QLatin1Char('.'), 0, 0) : args[0];
        const QString name = target.section(QLatin1Char('.'), -1);
        QWidget *anyWindow = zm::app::windowToOpen(form);
        if (!anyWindow || !anyWindow->findChild<QObject *>(name)) {
            std::fprintf(stderr, "no control %s\n", qPrintable(target));
            return 1;
        }
        zm::ui::guarded([&] {
            if (auto *edit = anyWindow->findChild<QLineEdit *>(name))
                zm::ui::setText(edit, value);
            else if (auto *button = anyWindow->findChild<QAbstractButton *>(name))
                value == QLatin1String("check") ? zm::ui::check(button) : zm::ui::click(button);
            else if (auto *slider = anyWindow->findChild<QSlider *>(name))
                zm::ui::setValue(slider, value.toInt());
            else if (auto *combo = anyWindow->findChild<QComboBox *>(name))
                combo->setCurrentIndex(value.toInt());
            else if (auto *action = anyWindow->findChild<QAction *>(name))
                action->trigger();
            else if (auto *grid = anyWindow->findChild<QTableWidget *>(name)) {
                // "row;column;text"
                QTableWidgetItem *item = grid->item(value.section(QLatin1Char(';'), 0, 0).toInt(),
                                                    value.section(QLatin1Char(';'), 1, 1).toInt());
                if (item)
                    item->setText(value.section(QLatin1Char(';'), 2));
            }
        });
    }
    if (!w)
        w = zm::app::window(args[0]);
    if (!w) {
        std::fprintf(stderr, "no window %s\n", qPrintable(args[0]));
        return 1;
    }
    w->show();
    const QString out = args[1];
    QTimer::singleShot(700, &app, [w, out] {
        w->grab().save(out);
        QCoreApplication::quit();
    });
    const int rc = app.exec();
    zm::app::destroyAllWindows();
    return rc;
}
