// The data shipped beside the programs, read with the same core code the programs use: every
// course is well formed and typable on the first keyboard of the finger table, every course has
// a help page table whose pages exist, the help pages link only to pages that exist, and the
// settings, finger table and sounds say what they are meant to.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "core/app/config.h"
#include "core/course/course.h"
#include "core/fingers/finger_layout.h"
#include "core/help/page_table.h"

namespace fs = std::filesystem;

namespace {

const fs::path kDist = fs::path(ZAV_SOURCE_DIR) / "data" / "dist";
const fs::path kSounds = fs::path(ZAV_SOURCE_DIR) / "tutor" / "resources" / "sounds";

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

std::vector<fs::path> ShippedCourses() {
    std::vector<fs::path> courses;
    for (const auto& entry : fs::directory_iterator(kDist / "Courses"))
        if (entry.is_regular_file()) courses.push_back(entry.path());
    std::sort(courses.begin(), courses.end());
    return courses;
}

zav::CFingerTable ShippedFingers() {
    zav::CFingerTable table;
    EXPECT_TRUE(table.LoadFingerFile(kDist / "fingers.txt"));
    return table;
}

// A character some finger of the current layout types, or the blank of the thumbs.
bool Typable(const zav::CFingerTable& table, char ch) {
    const zav::CFingerShown shown = table.FingersFor(ch);
    return shown.thumb ||
           std::find(shown.fingers.begin(), shown.fingers.end(), true) != shown.fingers.end();
}

TEST(ShippedCourses, TheCoursesOfTheHelpAreThere) {
    std::set<std::string> names;
    for (const auto& path : ShippedCourses()) names.insert(path.filename().string());
    for (const char* name : {"Default", "Numeros", "Prosa"}) EXPECT_TRUE(names.count(name)) << name;
}

TEST(ShippedCourses, FilesAreWellFormedAndTypableOnTheFirstLayout) {
    const zav::CFingerTable fingers = ShippedFingers();
    for (const auto& path : ShippedCourses()) {
        SCOPED_TRACE(path.filename().string());
        const std::string bytes = ReadBytes(path);
        ASSERT_FALSE(bytes.empty());
        EXPECT_EQ(bytes.back(), '\n') << "the last line would not be read";
        EXPECT_EQ(bytes.find('\r'), std::string::npos);
        const auto lines = SplitLines(bytes);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.front().substr(0, 1), "\t") << "a course begins with a section line";
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string& line = lines[i];
            SCOPED_TRACE("line " + std::to_string(i + 1) + ": " + line);
            if (!line.empty() && line.front() == '\t') {
                EXPECT_GT(line.size(), 1u) << "untitled section";
                continue;
            }
            EXPECT_FALSE(line.empty()) << "empty exercise";
            EXPECT_LE(line.size(), 80u);
            EXPECT_NE(line.front(), ' ');
            EXPECT_NE(line.back(), ' ') << "a trailing blank cannot be seen";
            EXPECT_EQ(line.find("  "), std::string::npos);
            for (char ch : line) EXPECT_TRUE(Typable(fingers, ch)) << "cannot type '" << ch << "'";
        }
    }
}

TEST(ShippedCourses, LoadWithTheCoreAsWritten) {
    for (const auto& path : ShippedCourses()) {
        SCOPED_TRACE(path.filename().string());
        const auto lines = SplitLines(ReadBytes(path));
        const auto sections = std::count_if(lines.begin(), lines.end(), [](const auto& l) {
            return !l.empty() && l.front() == '\t';
        });
        zav::CCourse course;
        ASSERT_TRUE(course.Load(path.string()));
        EXPECT_EQ(course.SectionCount(), sections);
        EXPECT_EQ(course.ExerciseCount(), static_cast<int>(lines.size()) - sections);
        EXPECT_EQ(course.SectionStart(0), 0);
        EXPECT_EQ(course.FileName(), path.filename().string());
        for (int s = 0; s < course.SectionCount(); ++s)
            EXPECT_LT(course.SectionStart(s), course.SectionStart(s + 1)) << "empty section " << s;
    }
}

TEST(ShippedCourses, DefaultIsAWholeCourseThatFitsTheWindow) {
    zav::CCourse course;
    ASSERT_TRUE(course.Load((kDist / "Courses" / "Default").string()));
    EXPECT_GE(course.SectionCount(), 12);
    EXPECT_GE(course.ExerciseCount(), 150);
    for (int e = 0; e < course.ExerciseCount(); ++e)
        EXPECT_LE(course.ExerciseLine(e).size(), 60u) << course.ExerciseLine(e);
}

TEST(ShippedHelp, EveryCourseHasAPageTableOfExistingPagesInOrder) {
    for (const auto& path : ShippedCourses()) {
        SCOPED_TRACE(path.filename().string());
        zav::CCourse course;
        ASSERT_TRUE(course.Load(path.string()));
        const auto table = zav::LoadPageTable(kDist / "help" / course.FileName());
        ASSERT_TRUE(table.has_value()) << "no page table";
        ASSERT_FALSE(table->entries.empty());
        // Every entry a whole line, so that no line of the table is lost to a bad entry.
        EXPECT_EQ(table->entries.size(),
                  SplitLines(ReadBytes(kDist / "help" / course.FileName())).size());
        EXPECT_EQ(table->entries.front().first, 0);
        int previous = -1;
        for (const auto& entry : table->entries) {
            EXPECT_GT(entry.first, previous) << entry.file;
            EXPECT_LT(entry.first, course.ExerciseCount()) << entry.file;
            EXPECT_TRUE(fs::is_regular_file(kDist / "help" / entry.file)) << entry.file;
            previous = entry.first;
        }
        // The viewer's choice for the last exercise is a page of the table.
        EXPECT_TRUE(zav::SelectExercisePage(*table, course.ExerciseCount() - 1).has_value());
    }
}

TEST(ShippedHelp, PagesLinkOnlyToPagesThatExist) {
    ASSERT_TRUE(fs::is_regular_file(kDist / "help" / "index.htm"));
    ASSERT_TRUE(fs::is_regular_file(kDist / "help" / "upgrade.htm"));
    const std::regex href(R"re(href="([^"#:]+)")re");
    int pages = 0;
    for (const auto& entry : fs::directory_iterator(kDist / "help")) {
        if (entry.path().extension() != ".htm") continue;
        ++pages;
        SCOPED_TRACE(entry.path().filename().string());
        const std::string html = ReadBytes(entry.path());
        EXPECT_NE(html.find(R"(<meta charset="windows-1252">)"), std::string::npos);
        for (std::sregex_iterator it(html.begin(), html.end(), href), end; it != end; ++it)
            EXPECT_TRUE(fs::is_regular_file(kDist / "help" / (*it)[1].str())) << (*it)[1];
    }
    EXPECT_GE(pages, 8);
}

// "Sitio Internet" opens this page: it must tell the version that runs, the licence, and where
// courses come from, and be reachable from the help's contents.
TEST(ShippedHelp, ProjectPageNamesVersionLicenceAndCourses) {
    const std::string page = ReadBytes(kDist / "help" / "proyecto.htm");
    for (const std::string& wanted :
         {std::string("<span class=\"version\">") + ZAV_VERSION + "</span>",
          std::string("GPL-3.0-or-later"), std::string("href=\"cursos.htm\""),
          std::string("<code>Courses</code>"), std::string("Cargar Curso")})
        EXPECT_NE(page.find(wanted), std::string::npos) << wanted;
    EXPECT_NE(ReadBytes(kDist / "help" / "index.htm").find("href=\"proyecto.htm\""),
              std::string::npos);
}

TEST(ShippedFingers, SpanishFirstAndEveryLetterTypableOnEveryLayout) {
    zav::CFingerTable table = ShippedFingers();
    ASSERT_EQ(table.LayoutCount(), 3);
    EXPECT_EQ(table.Layouts()[0].name,
              "Espa\xf1ol (Espa\xf1"
              "a)");
    // Every layout types the whole Latin alphabet, capitals and digits; the two Spanish ones
    // also the Spanish letters and signs.
    std::string common;
    for (char c = 'a'; c <= 'z'; ++c) common += {c, static_cast<char>(c - 'a' + 'A')};
    common += "0123456789.,;:-_()?!\"'";
    const std::string spanish = "\xf1\xd1\xe1\xe9\xed\xf3\xfa\xc1\xc9\xcd\xd3\xda\xfc\xdc\xbf\xa1@";
    for (int layout = 0; layout < table.LayoutCount(); ++layout) {
        SCOPED_TRACE(table.Layouts()[layout].name);
        table.SetLayout(layout);
        const std::string wanted = layout < 2 ? common + spanish : common;
        for (char ch : wanted) EXPECT_TRUE(Typable(table, ch)) << "'" << ch << "'";
        // Drills take a finger's first key as the finger's own: it must be a plain letter or
        // sign, never a capital that lights two fingers.
        for (int f = 0; f < 8; ++f) {
            const std::string& keys = table.Layouts()[layout].fingers[f];
            ASSERT_FALSE(keys.empty()) << "finger " << f;
            const auto shown = table.FingersFor(keys.front());
            EXPECT_EQ(std::count(shown.fingers.begin(), shown.fingers.end(), true), 1)
                << "finger " << f;
        }
    }
}

TEST(ShippedConfig, EveryLineIsAKnownSettingThatTakesEffect) {
    zav::CConfig config;
    ASSERT_TRUE(config.Read(kDist));
    const zav::CConfig defaults;
    // Values chosen for the shipped file; each differs from the default or is written as the
    // default on purpose.
    EXPECT_EQ(config.font_name, "DejaVu Sans Mono");
    EXPECT_EQ(config.font_size, 140);
    EXPECT_EQ(config.col_bgnd, 0xf4f1eeu);
    EXPECT_EQ(config.col_srce, 0x933a1fu);
    EXPECT_EQ(config.col_blobs, 0x2b3ad9u);
    EXPECT_EQ(config.col_err, 0x1f26ccu);
    EXPECT_EQ(config.auto_type, 1);
    EXPECT_EQ(config.auto_num, 2);
    EXPECT_EQ(config.ok_thresh, 1);
    EXPECT_EQ(config.audio, zav::AudioMode::On);
    EXPECT_TRUE(config.auto_check);
    EXPECT_TRUE(config.cursor_shape);
    EXPECT_EQ(config.affiliation, "");

    // Every key of the record is written in the file, and nothing else is.
    const std::set<std::string> known = {
        "col_bgnd",      "col_top_tl",    "col_top_br",  "col_status", "col_srce",     "col_box",
        "col_bottom_tl", "col_bottom_br", "col_ex",      "col_caret",  "col_blobs",    "col_err",
        "cursor_shape",  "cursor_flash",  "affiliation", "audio",      "auto_advance", "auto_num",
        "auto_type",     "auto_check",    "ok_thresh",   "font_name",  "font_size"};
    std::set<std::string> written;
    for (const auto& line : SplitLines(ReadBytes(kDist / "config.txt"))) {
        if (line.empty() || line.front() == '#') continue;
        const auto colon = line.find(':');
        ASSERT_NE(colon, std::string::npos) << line;
        EXPECT_TRUE(known.count(line.substr(0, colon))) << line;
        EXPECT_EQ(line.find('#'), std::string::npos) << "a comment would end the value: " << line;
        EXPECT_NE(line.back(), ' ') << "a blank would become part of the value: " << line;
        written.insert(line.substr(0, colon));
    }
    EXPECT_EQ(written, known);
}

// The fields of a RIFF WAVE file with a plain 16-byte fmt chunk.
struct WaveInfo {
    std::uint16_t format = 0, channels = 0, bits = 0;
    std::uint32_t rate = 0, dataBytes = 0;
};

std::uint32_t Le(const std::string& b, std::size_t at, int size) {
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b.at(at + i));
    return v;
}

WaveInfo ReadWave(const std::string& b) {
    WaveInfo info;
    if (b.size() < 44 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) return info;
    for (std::size_t at = 12; at + 8 <= b.size(); at += 8 + Le(b, at + 4, 4)) {
        const std::string id = b.substr(at, 4);
        if (id == "fmt ") {
            info.format = static_cast<std::uint16_t>(Le(b, at + 8, 2));
            info.channels = static_cast<std::uint16_t>(Le(b, at + 10, 2));
            info.rate = Le(b, at + 12, 4);
            info.bits = static_cast<std::uint16_t>(Le(b, at + 22, 2));
        } else if (id == "data") {
            info.dataBytes = Le(b, at + 4, 4);
            EXPECT_LE(at + 8 + info.dataBytes, b.size()) << "data runs past the file";
        }
    }
    return info;
}

TEST(ShippedSounds, ShortPcmMonoAtCdRate) {
    struct Case {
        const char* file;
        double minSeconds, maxSeconds;
    };
    // A key click must be over before the next key; the line's chime may ring a little longer.
    for (const Case& c :
         {Case{"ok.wav", 0.01, 0.05}, Case{"bad.wav", 0.05, 0.2}, Case{"done.wav", 0.1, 0.4}}) {
        SCOPED_TRACE(c.file);
        const std::string bytes = ReadBytes(kSounds / c.file);
        const WaveInfo info = ReadWave(bytes);
        EXPECT_EQ(info.format, 1);
        EXPECT_EQ(info.channels, 1);
        EXPECT_EQ(info.rate, 44100u);
        EXPECT_EQ(info.bits, 16);
        const double seconds = info.dataBytes / 2.0 / 44100.0;
        EXPECT_GE(seconds, c.minSeconds);
        EXPECT_LE(seconds, c.maxSeconds);
    }
}

}  // namespace
