#include "tutor/stats/report.h"

#include <cstdarg>
#include <cstdio>
#include <fstream>

#include "tutor/course/document.h"
#include "tutor/resources/strings.h"
#include "tutor/stats/measures.h"

namespace zav {

namespace {

// The line break of a text file as the report stores it.
constexpr char kBreak[] = "\r\n";

__attribute__((format(printf, 2, 3))) void Append(std::string& out, const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int size = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (size > 0) {
        const std::size_t start = out.size();
        out.resize(start + static_cast<std::size_t>(size) + 1);
        std::vsnprintf(out.data() + start, static_cast<std::size_t>(size) + 1, format, args);
        out.resize(start + static_cast<std::size_t>(size));
    }
    va_end(args);
}

// The name table with both paths put in whole (a byte 0 or an LF of a path stays as it is) and
// the table's own line break stored as CR LF.
std::string NameTable(const std::string& documentPath, const std::string& coursePath) {
    const std::string paths[] = {HtmlEscape(documentPath), HtmlEscape(coursePath)};
    std::size_t next = 0;
    std::string out;
    for (const char* p = text::kReportNames; *p != '\0'; ++p) {
        if (p[0] == '%' && p[1] == 's' && next < 2) {
            out += paths[next++];
            ++p;
        } else if (*p == '\n') {
            out += kBreak;
        } else {
            out += *p;
        }
    }
    return out;
}

}  // namespace

std::string HtmlEscape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        switch (ch) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += ch;
        }
    }
    return out;
}

std::string ReportText(const CZAVTypeDoc& doc, const std::string& documentPath) {
    return ReportText(doc, documentPath, doc.course.Path());
}

std::string ReportText(const CZAVTypeDoc& doc, const std::string& documentPath,
                       const std::string& coursePath) {
    const CProgressStats& stats = doc.stats;
    std::string out;
    out.reserve(16384);
    out += text::kReportHead;
    out += NameTable(documentPath, coursePath);

    out += text::kReportTurnsHead;
    const int entries = HistoryEntries(stats);
    for (int i = 0; i < entries; ++i) {
        CTurnRecord row = stats.history[i];
        row.errorLetters = HtmlEscape(row.errorLetters);
        out += FormatRow(row, RowHtml, doc.okThreshold);
    }
    out += text::kReportTurnsEnd;

    const HistorySummary summary = SummarizeHistory(stats, doc.okThreshold);
    out += "<p>";
    Append(out, text::kReportTotalDuration, summary.total.hours, summary.total.minutes,
           summary.total.seconds);
    Append(out, text::kReportSpeeds, summary.wpm20, summary.wpm100, summary.wpmAll);
    out += "</p>";
    out += kBreak;
    out += kBreak;
    Append(out, text::kReportGrades, summary.grades.bien, summary.grades.regular,
           summary.grades.mal);

    out += text::kReportLettersHead;
    // Codes 0 to 254: code 255 is never listed.
    for (int code = 0; code < 255; ++code) {
        const int correct = stats.letterCorrect[code];
        if (correct <= 0) continue;
        out += "<tr><td>";
        out += HtmlEscape(std::string(1, static_cast<char>(code)));
        Append(out, "</td><td>%d</td><td>%0.2f</td></tr>", correct,
               LetterErrorPercent(stats, static_cast<unsigned char>(code)));
    }
    out += text::kReportLettersEnd;
    out += text::kReportEnd;
    return out;
}

bool WriteReport(const std::filesystem::path& out, const CZAVTypeDoc& doc,
                 const std::string& documentPath) {
    return WriteReportBytes(out, ReportText(doc, documentPath));
}

bool WriteReportBytes(const std::filesystem::path& out, const std::string& bytes) {
    std::ofstream file(out, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}

}  // namespace zav
