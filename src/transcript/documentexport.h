#pragma once

// The transcript as a word-processor document, beside the HTML text: a .docx
// or an .odt file holding one table (the title row, the heading row and the
// 35 student rows) with the grid's column widths and the cells' font style,
// and nothing else. Each is the smallest package a word processor opens,
// built in memory; the page is A4 landscape so that the table fits its width.

#include "transcript/htmlexport.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace zm::transcript {

enum class DocumentType { Html, Docx, Odt };

// The type a transcript is saved as: the file name's extension when it is
// one of the types the save dialog offers (.doc and .html are HTML),
// otherwise the extension of the chosen filter entry
// ("Word-Dokument (*.docx)"), otherwise HTML.
DocumentType documentType(const QString &path, const QString &filter);

QByteArray transcriptDocx(const Transcript &transcript, const QString &indexName, const QDateTime &when,
                          const CellFont &font = {});
QByteArray transcriptOdt(const Transcript &transcript, const QString &indexName, const QDateTime &when,
                         const CellFont &font = {});

// The bytes of the file for the type: the HTML text, the .docx or the .odt.
QByteArray transcriptDocument(DocumentType type, const Transcript &transcript, const QString &indexName,
                              const QDateTime &when);

} // namespace zm::transcript
