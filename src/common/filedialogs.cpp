#include "common/filedialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QRegularExpression>

namespace zm::ui {

namespace {

FileDialogHook &hook()
{
    static FileDialogHook h;
    return h;
}

// "doc" for "Ergebnismitschrift als .doc ( *.doc)"; empty for wildcards.
QString suffixOf(const QString &filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

} // namespace

void setFileDialogHook(FileDialogHook h)
{
    hook() = std::move(h);
}

QString chooseFile(const FileRequest &request)
{
    if (hook())
        return hook()(request);
    QFileDialog dialog(QApplication::activeWindow(), QString(), request.folder);
    dialog.setObjectName(QStringLiteral("FileDialog"));
    const bool save = request.kind == FileRequest::Kind::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.filters.isEmpty())
        dialog.setNameFilters(request.filters);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (save && !request.defaultSuffix.isEmpty()) {
        // A name typed without an extension gets the one of the chosen file type.
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &request](const QString &filter) {
            const QString suffix = suffixOf(filter);
            dialog.setDefaultSuffix(suffix.isEmpty() ? request.defaultSuffix : suffix);
        });
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    if (request.chosenFilter)
        *request.chosenFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().constFirst();
}

} // namespace zm::ui
