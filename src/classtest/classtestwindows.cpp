#include "classtest/classtestwindows.h"

#include "app/forms.h"
#include "classtest/archivedialog.h"
#include "classtest/classtestwindow.h"
#include "classtest/sqlitestore.h"
#include "common/clock.h"
#include "common/controls.h"
#include "common/errorreport.h"

#include <QDir>

namespace zm::classtest {

namespace {

struct StoreState
{
    std::unique_ptr<ClassTestStore> store;
    bool tried = false;
};

StoreState &state()
{
    static StoreState s;
    return s;
}

// The windows are made on first use and kept in the window registry, which
// deletes them at the end of the program.
template <class T> T *windowNamed(const QString &objectName)
{
    if (auto *existing = qobject_cast<T *>(zm::app::window(objectName)))
        return existing;
    auto *created = new T;
    zm::app::registerWindow(created);
    return created;
}

ClassTestWindow *classTestWindow()
{
    return windowNamed<ClassTestWindow>(QStringLiteral("Klassenarbeit"));
}

} // namespace

ClassTestStore *store()
{
    StoreState &s = state();
    if (!s.tried) {
        s.tried = true;
        const QString folder = zm::app::dataFolder();
        try {
            if (folder.isEmpty())
                throw Error(QStringLiteral("Die gespeicherten Klassenarbeiten können nicht geöffnet werden: "
                                           "Es gibt keinen Datenordner."));
            s.store = std::make_unique<SqliteStore>(QDir(folder).filePath(QString::fromLatin1(StoreFileName)));
        } catch (const Error &error) {
            zm::ui::reportError(error.text());
        }
    }
    return s.store.get();
}

void useStore(std::unique_ptr<ClassTestStore> store)
{
    state().store = std::move(store);
    state().tried = true;
}

void closeStore()
{
    state() = StoreState{};
}

void openFromStrip(const scales::BandSource &source)
{
    ClassTest test;
    test.key = keyFrom(source);
    test.date = zm::clock::now().date();
    test.title = defaultTitle(test.date);
    ClassTestStore *s = store();
    ClassTestWindow *window = classTestWindow();
    window->showTest(test, s);
    zm::ui::showInFront(window);
}

void openArchive()
{
    store();
    auto *archive = windowNamed<ArchiveDialog>(QStringLiteral("Archiv"));
    archive->refresh();
    zm::ui::showInFront(archive);
}

void openStored(qint64 id)
{
    ClassTestStore *s = store();
    if (!s)
        return;
    const ClassTest test = s->load(id);
    ClassTestWindow *window = classTestWindow();
    window->showTest(test, s);
    zm::ui::showInFront(window);
}

void forgetStored(qint64 id)
{
    if (auto *window = qobject_cast<ClassTestWindow *>(zm::app::window(QStringLiteral("Klassenarbeit"))))
        window->forget(id);
}

} // namespace zm::classtest
