#include "core/stats/report.h"

#include <cctype>
#include <charconv>
#include <fstream>
#include <initializer_list>

#include "core/app/strings.h"
#include "core/course/document.h"
#include "core/stats/measures.h"

namespace zav {

namespace {

// The line break of a text file as the report stores it.
constexpr char kBreak[] = "\r\n";

// A number as "%W.Pf" writes it in the C locale: the report's figures keep their decimal point
// whatever locale the program runs in (a Qt program takes the user's, "25,00" in Spanish).
std::string Fixed(double value, std::size_t width, int precision) {
    char buffer[400];  // the longest double in fixed notation, with room for the decimals
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
    std::string text = ec == std::errc() ? std::string(buffer, end) : std::string("0");
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    return text;
}

// The format with `values` in the place of its conversions, in order ("%%" stays a percent
// sign), and its own line breaks stored as CR LF. Values go in whole: a byte 0 or an LF of a
// path stays as it is.
std::string Fill(const char* format, std::initializer_list<std::string> values) {
    auto next = values.begin();
    std::string out;
    for (const char* p = format; *p != '\0'; ++p) {
        if (*p == '\n') {
            out += kBreak;
        } else if (*p != '%') {
            out += *p;
        } else if (p[1] == '%') {
            out += '%';
            ++p;
        } else {
            // Flags, width and precision up to the conversion letter.
            do ++p;
            while (*p != '\0' && std::isalpha(static_cast<unsigned char>(*p)) == 0);
            if (*p == '\0') break;
            if (next != values.end()) out += *next++;
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
    out += Fill(text::kReportNames, {HtmlEscape(documentPath), HtmlEscape(coursePath)});

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
    out += Fill(text::kReportTotalDuration,
                {std::to_string(summary.total.hours), std::to_string(summary.total.minutes),
                 Fixed(summary.total.seconds, 2, 2)});
    out += Fill(text::kReportSpeeds, {Fixed(summary.wpm20, 3, 1), Fixed(summary.wpm100, 3, 1),
                                      Fixed(summary.wpmAll, 3, 1)});
    out += Fill("</p>\n\n", {});
    out += Fill(text::kReportGrades,
                {std::to_string(summary.grades.bien), std::to_string(summary.grades.regular),
                 std::to_string(summary.grades.mal)});

    out += text::kReportLettersHead;
    // Codes 0 to 254: code 255 is never listed.
    for (int code = 0; code < 255; ++code) {
        const int correct = stats.letterCorrect[code];
        if (correct <= 0) continue;
        out += Fill("<tr><td>%c</td><td>%d</td><td>%0.2f</td></tr>",
                    {HtmlEscape(std::string(1, static_cast<char>(code))), std::to_string(correct),
                     Fixed(LetterErrorPercent(stats, static_cast<unsigned char>(code)), 0, 2)});
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
