#pragma once
// The HTML evaluation report: who and which course, every turn of the history, the total time,
// the speeds, the grade counts and the accuracy of every letter, as one Windows-1252 page.
#include <filesystem>
#include <string>

namespace zav {

class CZAVTypeDoc;

// The page's bytes. `documentPath` is the progress file's full path, empty for a document that
// was never saved; `coursePath` the course file's, by default that of the loaded course. Paths,
// error letters and listed letters are HTML-escaped; the only line breaks are CR LF.
std::string ReportText(const CZAVTypeDoc& doc, const std::string& documentPath);
std::string ReportText(const CZAVTypeDoc& doc, const std::string& documentPath,
                       const std::string& coursePath);

// Writes the page of the document to `out`, replacing the file. Returns false when it cannot be
// written.
bool WriteReport(const std::filesystem::path& out, const CZAVTypeDoc& doc,
                 const std::string& documentPath);
// Writes a page's bytes to `out`, replacing the file; false when it cannot be written.
bool WriteReportBytes(const std::filesystem::path& out, const std::string& bytes);

// `text` with &, <, > and " as entities; every other byte as it is.
std::string HtmlEscape(const std::string& text);

}  // namespace zav
