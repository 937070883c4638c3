#pragma once

// Helpers for window tests: record every message box instead of showing it,
// start and stop the whole program's windows, never start a real process.

#include "app/forms.h"
#include "common/filedialogs.h"
#include "common/messages.h"
#include "platform/platform.h"
#include "platform/settingsstore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace zm::test {

// Records the boxes the program shows; each counts as acknowledged.
struct BoxRecorder
{
    QList<zm::ui::ShownBox> boxes;

    void install()
    {
        boxes.clear();
        zm::ui::setMessageHook([this](const zm::ui::ShownBox &box) { boxes.append(box); });
    }
    static void uninstall() { zm::ui::setMessageHook(nullptr); }
    QStringList texts() const
    {
        QStringList out;
        for (const auto &b : boxes)
            out << b.text;
        return out;
    }
    int criticalCount() const
    {
        int n = 0;
        for (const auto &b : boxes)
            n += b.kind == zm::ui::BoxKind::Critical;
        return n;
    }
};

// Acknowledges real modal message boxes as they appear (for tests that let
// the program show its real boxes), and records their texts.
class RealBoxCloser : public QObject
{
public:
    QStringList texts;
    RealBoxCloser()
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                texts << box->text();
                box->accept();
            }
        });
        m_timer.start();
    }

private:
    QTimer m_timer;
};

// Every start of the program's windows in a test: no clock measurement, no
// real relaunch (the requests are recorded), boxes recorded, file dialogs
// recorded and answered with `fileAnswer` ("" cancels them) and, where the
// caller asks for it, the filter entry `filterAnswer`.
struct Program
{
    BoxRecorder recorder;
    QList<QStringList> relaunches;
    QList<zm::ui::FileRequest> fileRequests;
    QString fileAnswer;
    QString filterAnswer;

    void start()
    {
        zm::ui::setApplicationTitle(QStringLiteral("Zensomat"));
        recorder.install();
        relaunches.clear();
        zm::platform::SettingsStore::startNewRun();
        zm::platform::setClockMeasurement([] { return 1200000000u; });
        zm::platform::setRelaunchHook([this](const QString &, const QStringList &args) { relaunches.append(args); });
        fileRequests.clear();
        fileAnswer.clear();
        filterAnswer.clear();
        zm::ui::setFileDialogHook([this](const zm::ui::FileRequest &request) {
            fileRequests.append(request);
            if (request.chosenFilter)
                *request.chosenFilter = filterAnswer;
            return fileAnswer;
        });
        zm::app::createAllWindows();
    }
    void stop()
    {
        zm::app::destroyAllWindows();
        BoxRecorder::uninstall();
        zm::platform::setRelaunchHook(nullptr);
        zm::platform::setClockMeasurement(nullptr);
        zm::ui::setFileDialogHook(nullptr);
    }

    template <class T = QWidget> static T *control(const QString &windowName, const QString &controlName)
    {
        QWidget *w = zm::app::window(windowName);
        return w ? w->findChild<T *>(controlName) : nullptr;
    }
};

} // namespace zm::test
