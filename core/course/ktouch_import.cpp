#include "core/course/ktouch_import.h"

#include <pugixml.hpp>

#include "core/course/text_encoding.h"
#include "core/course/textfile.h"

namespace zav {
namespace {

// Tabs, line ends and other control characters as blanks (a leading tab would make a section
// line), blanks at both ends dropped: what is left can be typed.
std::string Tidy(std::string_view utf8) {
    std::string out;
    for (char c : utf8) out.push_back(static_cast<unsigned char>(c) < ' ' ? ' ' : c);
    const auto first = out.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

// Pieces of at most a course line each, cut at the last blank that keeps a piece within it.
std::vector<std::string> SplitLong(std::string line) {
    std::vector<std::string> pieces;
    while (line.size() > CLineReader::kMaxLine) {
        auto cut = line.rfind(' ', CLineReader::kMaxLine);
        const bool atBlank = cut != std::string::npos && cut > 0;
        if (!atBlank) cut = CLineReader::kMaxLine;
        pieces.push_back(Tidy(line.substr(0, cut)));
        line = Tidy(line.substr(atBlank ? cut + 1 : cut));
    }
    if (!line.empty()) pieces.push_back(std::move(line));
    return pieces;
}

class CCourseWriter {
  public:
    explicit CCourseWriter(CImportedCourse& course) : course_(course) {}

    void Lesson(std::string_view title, std::string_view text) {
        ++course_.lessons;
        std::string name = Tidy(title);
        if (name.empty()) name = "Lección " + std::to_string(course_.lessons);
        const CDecodedText decodedTitle = DecodeText(name);
        if (!decodedTitle.unmappable.empty())
            course_.refused.push_back({name, 0, DescribeUnmappable(decodedTitle.unmappable[0])});
        course_.text += '\t' + Cp1252FromUtf8(name) + '\n';

        int number = 0;
        std::size_t pos = 0;
        while (pos <= text.size()) {
            const auto lf = std::min(text.find('\n', pos), text.size());
            ++number;
            Line(name, number, text.substr(pos, lf - pos));
            pos = lf + 1;
        }
    }

  private:
    void Line(const std::string& lesson, int number, std::string_view raw) {
        const std::string line = Tidy(raw);
        if (line.empty()) return;
        // Pure ASCII needs no decoding, and DecodeText would take Windows-1252 for it anyway.
        const CDecodedText decoded = DecodeText(line);
        if (decoded.utf8 && !decoded.unmappable.empty()) {
            course_.refused.push_back({lesson, number, DescribeUnmappable(decoded.unmappable[0])});
            return;
        }
        for (std::string& piece : SplitLong(decoded.text)) {
            course_.text += piece + '\n';
            ++course_.exercises;
        }
    }

    CImportedCourse& course_;
};

// pugixml reads UTF-8 and UTF-16 by themselves; a declared Latin-1 must be named.
pugi::xml_encoding DeclaredEncoding(std::string_view xml) {
    const std::string_view head = xml.substr(0, xml.find("?>"));
    for (std::string_view latin : {"ISO-8859-1", "iso-8859-1", "latin1", "Latin-1"})
        if (head.starts_with("<?xml") && head.find(latin) != std::string_view::npos)
            return pugi::encoding_latin1;
    return pugi::encoding_auto;
}

}  // namespace

CImportedCourse ImportKTouchCourse(std::string_view xml) {
    CImportedCourse course;
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed =
        doc.load_buffer(xml.data(), xml.size(), pugi::parse_default, DeclaredEncoding(xml));
    if (!parsed) {
        course.error = std::string("no es un XML válido (") + parsed.description() + ", byte " +
                       std::to_string(parsed.offset) + ")";
        return course;
    }
    CCourseWriter writer(course);
    if (const pugi::xml_node root = doc.child("course")) {
        course.title = Tidy(root.child_value("title"));
        for (pugi::xml_node lesson : root.child("lessons").children("lesson"))
            writer.Lesson(lesson.child_value("title"), lesson.child("text").text().get());
    } else if (const pugi::xml_node lecture = doc.child("KTouchLecture")) {
        course.title = Tidy(lecture.child_value("Title"));
        for (pugi::xml_node level : lecture.child("Levels").children("Level")) {
            std::string lines;
            for (pugi::xml_node line : level.children("Line"))
                lines += std::string(line.text().get()) + '\n';
            writer.Lesson(level.child_value("LevelComment"), lines);
        }
    } else {
        course.error = "no es un curso de KTouch (falta el elemento <course>)";
        return course;
    }
    if (course.exercises == 0) {
        course.error = "el curso no tiene ninguna línea de texto que se pueda importar";
        course.text.clear();
    }
    return course;
}

}  // namespace zav
