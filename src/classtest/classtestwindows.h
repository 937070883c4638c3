#pragma once

// The class-test windows are created when first opened, not at start-up.
// These are the ways in: a result strip's menu, the main menu's button and
// the windows' own buttons.

#include <QtGlobal>

#include <memory>

namespace zm::scales {
class BandSource;
}

namespace zm::classtest {

class ClassTestStore;

// "Klassenarbeit auswerten…": a new test graded against the strip's key.
// Throws zm::Error when the calculator has no key yet.
void openFromStrip(const scales::BandSource &source);
// "Gespeicherte Arbeiten": the dialog listing the stored tests.
void openArchive();
// Opens a stored test in the class-test window.
void openStored(qint64 id);
// A stored test was deleted: the window forgets it if it shows it.
void forgetStored(qint64 id);

// The program's store, opened on first use from the data folder; nullptr
// when it was refused (the German message has been shown once then).
ClassTestStore *store();
// Replaces the store (tests: an in-memory database; nullptr: none).
void useStore(std::unique_ptr<ClassTestStore> store);
// Deletes the windows' store at the end of the program (after the windows).
void closeStore();

} // namespace zm::classtest
