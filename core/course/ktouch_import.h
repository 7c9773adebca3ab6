#pragma once
// Courses of KTouch, another typing tutor, turned into course files of this tutor. KTouch keeps
// a course as XML: a course with a title and lessons, each lesson with a title and its text
// lines (older files: a lecture with levels, each with a comment and lines).
#include <string>
#include <string_view>
#include <vector>

namespace zav {

// A line of the other course that did not come over.
struct CImportRefusal {
    std::string lesson;     // the lesson's title, UTF-8
    int line = 0;           // 1-based line of the lesson's text; 0 for the title
    std::string character;  // the character that Windows-1252 lacks, as "«ő» (U+0151)"
};

struct CImportedCourse {
    std::string error;  // UTF-8; when not empty nothing was imported
    std::string title;  // the course's title, UTF-8
    std::string text;   // the course file: one section per lesson, one exercise per line
    int lessons = 0;
    int exercises = 0;
    std::vector<CImportRefusal> refused;
};

// Lines longer than a course line are split at a blank; lines with a character that
// Windows-1252 lacks are left out and reported; a title keeps '?' in place of such a character.
CImportedCourse ImportKTouchCourse(std::string_view xml);

}  // namespace zav
