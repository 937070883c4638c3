#pragma once

// Reading the first table of a document back: an HTML file (as the
// transcript saves it, or as a word processor saves it), a .docx or an .odt
// file. The file is read directly; no other program is involved.

#include "common/errors.h"

#include <QList>
#include <QStringList>

namespace zm::transcript {

// Why a file gave no table, in German ("In der Datei gibt es keine Tabelle.").
class TableReadError : public Error
{
public:
    using Error::Error;
};

// The rows of the document's first table, each a list of cell texts. A
// cell's paragraphs and line breaks are separated by CR, as a word
// processor reports them; in HTML a line end of the source is a blank. Only
// what the transcript grid can show is read: reading stops after the grid's
// last row, cells beyond its columns are skipped. A file too large for a
// transcript (see tablecollector.h for the bounds) is refused with a German
// reason, quickly and without building more than the grid holds.
// Throws TableReadError.
QList<QStringList> readFirstTable(const QString &path);

// The same for the bytes of a file.
QList<QStringList> firstTableOf(const QByteArray &bytes);

} // namespace zm::transcript
