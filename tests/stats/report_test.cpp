#include "core/stats/report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "core/course/document.h"
#include "core/course/textfile.h"
#include "tests/support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

const std::string kHead =
    "<html><head><title>ZAV Type : Informe de Evaluaci\xf3n</title></head><body "
    "bgcolor=#ffffff><h2>ZAV Type : Informe de Evaluaci\xf3n</h2>";
const std::string kTurnsHead =
    "<h2>Ejercicios</h2><table border=1><tr><td bgcolor=#eeeeee><b>Ejercicio</b></td><td "
    "bgcolor=#eeeeee><b>Errores</b></td><td bgcolor=#eeeeee><b>Duraci&oacute;n</b></td><td "
    "bgcolor=#eeeeee><b>% err</b></td><td bgcolor=#eeeeee><b>ppm</b></td><td "
    "bgcolor=#eeeeee><b>lpm</b></td><td bgcolor=#eeeeee><b>Errores</b></td></tr>";
const std::string kLettersHead =
    "<h2>Precisi&oacute;n por letras</h2><table border=1><tr><td bgcolor=#eeeeee><b>Letra</b></td>"
    "<td bgcolor=#eeeeee><b>Veces</b></td><td bgcolor=#eeeeee><b>%err</b></td></tr>";

std::string Names(const std::string& document, const std::string& course) {
    return "<table><tr><td>Nombre:</td><td>" + document + "</td><tr>\r\n<tr><td>Nombre de " +
           "curso:</td><td>" + course + "</td></tr></table>";
}

std::string Summary(const std::string& duration, const std::string& speeds, int bien, int regular,
                    int mal) {
    return "<p>Duraci&oacute;n en total: " + duration +
           "<table><tr><td>Palabras por minuto:</td><td>" + speeds +
           "</td></tr></table></p>\r\n\r\n" +
           "<table><tr><td align=\"top\">Precis&oacute;n de ejercicios:</td><td>Bien: " +
           std::to_string(bien) + "<br>Regular: " + std::to_string(regular) +
           "<br>Mal: " + std::to_string(mal) + "</td></tr></table>";
}

zav::CTurnRecord Turn(int kind, int exercise, int errors, int duration, int letters, int words,
                      const std::string& errorLetters) {
    zav::CTurnRecord turn;
    turn.kind = kind;
    turn.exercise = exercise;
    turn.errors = errors;
    turn.duration = duration;
    turn.letters = letters;
    turn.words = words;
    turn.errorLetters = errorLetters;
    return turn;
}

struct ReportTest : ::testing::Test {
    ReportTest() {
        std::ofstream(coursePath, std::ios::binary) << "\tUno\nasdf\n";
        EXPECT_TRUE(doc.course.Load(coursePath.string()));
    }

    zav::test::CScratchFolder scratch;
    const fs::path dir = scratch.Path();
    const fs::path coursePath = dir / "Curso <1> & \"2\"";
    const std::string courseCell =
        (dir / "Curso &lt;1&gt; &amp; &quot;2&quot;").string();  // dir itself has no such byte
    zav::CZAVTypeDoc doc;
};

TEST_F(ReportTest, WritesEveryPieceInOrder) {
    doc.okThreshold = 2;
    doc.stats.history[0] = Turn(0, 4, 0, 1000, 50, 9, "");
    doc.stats.history[1] = Turn(2, 4, 2, 2000, 40, 5, "a<");
    doc.stats.history[2] = Turn(3, 4, 3, 3000, 30, 3, "\"&");
    doc.stats.history[3] = Turn(0, 9, 7, 100, 1, 1, "not significant");
    doc.stats.historyCount = 3;
    auto letter = [&](unsigned char code, int correct, int errors) {
        doc.stats.letterCorrect[code] = correct;
        doc.stats.letterErrors[code] = errors;
    };
    letter('f', 8, 2);
    letter('<', 1, 0);
    letter(' ', 3, 1);
    letter(0xf1, 2, 1);
    letter(0xff, 5, 0);  // code 255 is never listed
    letter('k', 0, 3);   // never typed correctly: not listed

    const std::string expected =
        kHead + Names("/home/ana/progreso &lt;1&gt;.zav", courseCell) + kTurnsHead +
        "<tr><td>5</td><td bgcolor=\"#ddffdd\">0</td><td>1000</td><td>0%</td><td> 54</td>"
        "<td>300</td><td></td></tr>"
        "<tr><td>-2</td><td bgcolor=\"#ffffbb\">2</td><td>2000</td><td>5%</td><td> 15</td>"
        "<td>120</td><td>a&lt;</td></tr>"
        "<tr><td>-3</td><td bgcolor=\"#ffdddd\">3</td><td>3000</td><td>10%</td><td>  6</td>"
        "<td> 60</td><td>&quot;&amp;</td></tr>"
        "</table>" +
        Summary("0h 1m 0.00s", "\xdaltimas 20: 17.0<br>\xdaltimas 100: 17.0<br>Total: 17.0", 1, 1,
                1) +
        kLettersHead +
        "<tr><td> </td><td>3</td><td>33.33</td></tr>"
        "<tr><td>&lt;</td><td>1</td><td>0.00</td></tr>"
        "<tr><td>f</td><td>8</td><td>25.00</td></tr>"
        "<tr><td>\xf1</td><td>2</td><td>50.00</td></tr>"
        "</table></body></html>";
    const std::string report = zav::ReportText(doc, "/home/ana/progreso <1>.zav");
    EXPECT_EQ(report, expected);

    // The only line breaks: one in the name table, two after the speed table, all CR LF.
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 3);
    EXPECT_EQ(std::count(report.begin(), report.end(), '\r'), 3);
    EXPECT_NE(report.find("</td><tr>\r\n<tr>"), std::string::npos);
    EXPECT_NE(report.find("</table></p>\r\n\r\n<table>"), std::string::npos);
}

TEST_F(ReportTest, NeverSavedDocumentWithNoHistory) {
    const std::string expected =
        kHead + Names("", courseCell) + kTurnsHead + "</table>" +
        Summary("0h 0m 0.00s", "\xdaltimas 20: 0.0<br>\xdaltimas 100: 0.0<br>Total: 0.0", 0, 0, 0) +
        kLettersHead + "</table></body></html>";
    EXPECT_EQ(zav::ReportText(doc, ""), expected);
}

TEST_F(ReportTest, ListsTheWholeHistoryNewestFirst) {
    // Entry i is the turn of exercise i; 1 h 6 m 27.65 s in all.
    for (int i = 0; i < 150; ++i) doc.stats.history[i] = Turn(0, i, i % 4, 2000, 100, 10, "x");
    doc.stats.history[0].duration = 398765 - 149 * 2000;
    for (int count : {150, 151, 100000}) {
        doc.stats.historyCount = count;  // a count beyond the table lists the table only
        const std::string report = zav::ReportText(doc, "p.zav");
        std::size_t rows = 0;
        std::size_t last = 0;
        for (int i = 0; i < 150; ++i) {
            const std::size_t at = report.find("<tr><td>" + std::to_string(i + 1) + "</td>");
            ASSERT_NE(at, std::string::npos) << i;
            EXPECT_GT(at, last) << i;
            last = at;
            ++rows;
        }
        EXPECT_EQ(rows, 150u);
        EXPECT_EQ(report.find("<tr><td>151</td>"), std::string::npos);
        EXPECT_NE(report.find("total: 1h 6m 27.65s<table>"), std::string::npos);
    }
    doc.stats.historyCount = -3;
    EXPECT_EQ(zav::ReportText(doc, "").find("<tr><td>1</td>"), std::string::npos);
}

TEST_F(ReportTest, WritesTheFileOrReportsThatItCannot) {
    doc.stats.letterCorrect['a'] = 1;
    const fs::path out = dir / "report.html";
    std::ofstream(out, std::ios::binary) << std::string(100000, 'z');
    ASSERT_TRUE(zav::WriteReport(out, doc, ""));
    EXPECT_EQ(zav::ReadBinaryFile(out), zav::ReportText(doc, ""));

    EXPECT_FALSE(zav::WriteReport(dir / "no such folder" / "report.html", doc, ""));
    EXPECT_FALSE(zav::WriteReport(dir, doc, ""));  // a folder, not a file
}

TEST_F(ReportTest, FiguresAreRoundedAsPrintfDoesWithADecimalPoint) {
    // Per-letter percentages against printf's "%0.2f", ties and repeating decimals included.
    const int cases[][2] = {{8, 2}, {3, 1}, {3, 2}, {800, 1}, {1, 0}, {7, 100}, {2000000000, 3}};
    for (const auto& c : cases) {
        doc.stats.letterCorrect = {};
        doc.stats.letterCorrect['q'] = c[0];
        doc.stats.letterErrors['q'] = c[1];
        char expected[64];
        std::snprintf(expected, sizeof expected, "<tr><td>q</td><td>%d</td><td>%0.2f</td></tr>",
                      c[0], c[1] * 100.0 / c[0]);
        EXPECT_NE(zav::ReportText(doc, "").find(expected), std::string::npos) << expected;
    }
    // Speeds of "%3.1f" and seconds of "%2.2f".
    doc.stats.history[0].words = 341;
    doc.stats.history[0].duration = 6005;
    doc.stats.historyCount = 1;
    char expected[128];
    std::snprintf(expected, sizeof expected, "0h 1m %2.2fs<table>", 5 * 0.01);
    EXPECT_NE(zav::ReportText(doc, "").find(expected), std::string::npos) << expected;
    std::snprintf(expected, sizeof expected, "Total: %3.1f<", 341 * 6000.0 / 6005);
    EXPECT_NE(zav::ReportText(doc, "").find(expected), std::string::npos) << expected;
}

TEST_F(ReportTest, FiguresKeepTheirPointInADecimalCommaLocale) {
    doc.stats.letterCorrect['f'] = 8;
    doc.stats.letterErrors['f'] = 2;
    // A program that takes the user's locale (as every Qt program does) still writes points.
    const char* comma = nullptr;
    for (const char* name : {"es_ES.UTF-8", "es_ES.utf8", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr) comma = name;
        if (comma != nullptr) break;
    }
    if (comma == nullptr) GTEST_SKIP() << "no locale with a decimal comma installed";
    const std::string report = zav::ReportText(doc, "");
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_NE(report.find("<td>25.00</td>"), std::string::npos) << comma;
    EXPECT_NE(report.find("Total: 0.0<"), std::string::npos) << comma;
}

TEST(HtmlEscape, EscapesOnlyTheFourMarkupCharacters) {
    EXPECT_EQ(zav::HtmlEscape("a&b<c>d\"e'f\xe1\t"), "a&amp;b&lt;c&gt;d&quot;e'f\xe1\t");
    EXPECT_EQ(zav::HtmlEscape(std::string("a\0b", 3)), std::string("a\0b", 3));
    EXPECT_EQ(zav::HtmlEscape(""), "");
}

}  // namespace
