#pragma once
// The report as a file (PDF or HTML, by the file's extension) or on a printer.
// A PDF is laid out on A4; a printer keeps the paper its dialog chose.

#include <QString>
#include <memory>

class QPagedPaintDevice;
class QTextDocument;

namespace vrm {

enum class ReportFormat { Pdf, Html, Unknown };

// By the extension: .pdf, .html or .htm (any case).
ReportFormat reportFormatOf(const QString& path);

// The report's HTML laid out for paper: fonts, margins and page numbers as printed.
std::unique_ptr<QTextDocument> reportDocument(const QString& html);

// Writes the report to `path` in the format its extension names; false with
// the reason when the extension is none of those or the file cannot be written.
bool writeReport(const QString& path, const QString& html, QString& error);

// Prints on `device` (a printer, a PDF writer) with its page size and margins.
void printReport(const QString& html, QPagedPaintDevice& device);

} // namespace vrm
