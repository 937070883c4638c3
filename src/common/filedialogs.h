#pragma once

// The file dialogs of the program, behind a hook so that tests answer or
// cancel them instead of a person.

#include <QString>
#include <QStringList>

#include <functional>

namespace zm::ui {

struct FileRequest
{
    enum class Kind { Save, Open };
    Kind kind = Kind::Open;
    QString folder;        // initial folder; empty: the dialog's own choice
    QStringList filters;   // "Beschreibung (*.ext)", the first one selected; empty: every file
    QString defaultSuffix; // appended to a name typed without one (saving); follows the chosen filter
    QString fileName;      // the name offered at first (saving); empty: none
    // Where given, receives the filter entry selected when the dialog was accepted.
    QString *chosenFilter = nullptr;
};

// Saving always asks before an existing file is replaced.
// Returns the chosen file's path, or "" when the dialog was cancelled.
QString chooseFile(const FileRequest &request);

// With a hook set, the hook answers instead of a dialog ("" for cancel).
// Pass nullptr to show real dialogs again.
using FileDialogHook = std::function<QString(const FileRequest &)>;
void setFileDialogHook(FileDialogHook hook);

} // namespace zm::ui
