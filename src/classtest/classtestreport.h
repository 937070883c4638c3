#pragma once

// A class test on paper and in files: the printed report and the PDF are the
// same vector drawing (title, class, date, key, results, distribution,
// average, chart; one A4 page up to 40 students, more pages beyond), the CSV
// file follows the transcript's rules.

#include "classtest/classtest.h"

class QPagedPaintDevice;
class QWidget;

namespace zm::classtest {

// Draws the report onto a printer or PDF writer, page after page.
void paintReport(QPagedPaintDevice &device, const ClassTest &test, const Grading &grading);
// The report as PDF bytes (A4).
QByteArray reportPdf(const ClassTest &test, const Grading &grading);

// "Drucken…": the print dialog, then the report.
void printReport(QWidget *parent, const ClassTest &test, const Grading &grading);
// "Als PDF speichern…" and "CSV speichern…": the save dialog, then the file.
void saveReportPdf(const ClassTest &test, const Grading &grading);
void saveCsv(const ClassTest &test, const Grading &grading);

} // namespace zm::classtest
