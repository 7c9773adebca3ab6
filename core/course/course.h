#pragma once
// The loaded course: exercise lines grouped in titled sections, read from a course file.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/course/text_encoding.h"

namespace zav {

// What became of a course file given to Load.
enum class CourseStatus {
    kLoaded,
    kUnreadable,      // missing, a folder, no access
    kBinary,          // holds NUL bytes: a program or a picture, not text
    kNoExercises,     // empty, or only section lines
    kUnmappableUtf8,  // UTF-8 with a character that Windows-1252 lacks
};

struct CCourseLoad {
    CourseStatus status = CourseStatus::kLoaded;
    std::string path;
    CUnmappable character;  // the first one, for kUnmappableUtf8

    explicit operator bool() const { return status == CourseStatus::kLoaded; }
    // Why the course was refused, naming the file, in UTF-8 for the user; empty when loaded.
    std::string Message() const;
};

class CCourse {
  public:
    // Reads the course file at `path` (an empty path reloads the stored one). A file that
    // cannot be read, holds NUL bytes, gives no exercise, or is UTF-8 with a character that
    // Windows-1252 lacks is refused, and the course stays exactly as it was.
    CCourseLoad Load(const std::string& path);
    // The same checks on a course file's bytes (CR LF already read as LF); `path` only names
    // the file in the result.
    CCourseLoad LoadBytes(std::string_view bytes, const std::string& path);
    // Builds the model from a course file's text (CR LF already read as LF). Exercise lines
    // before the first section line go into an untitled section (title "") at the front, so
    // that every exercise has a section.
    void Parse(std::string_view text);

    // Lookups; every one of them stays inside the tables, whatever the index or the course.
    // Indices outside the tables are taken as the nearest end; a course without exercises
    // answers "" and 0.
    std::string ExerciseLine(int index) const;
    std::string SectionTitleOfExercise(int exercise) const;
    std::string SectionTitle(int section) const;
    int SectionOfExercise(int exercise) const;
    int SectionStart(int section) const;  // 0..SectionCount()
    int ExerciseCount() const { return static_cast<int>(exercises_.size()); }
    int SectionCount() const { return static_cast<int>(sections_.size()); }
    const std::string& Path() const { return path_; }
    // The file-name part of the path: the name the help viewer knows the course by.
    std::string FileName() const;
    bool Loaded() const { return loaded_; }

  private:
    std::vector<std::string> exercises_;
    std::vector<std::string> sections_;
    std::vector<int> sectionStart_;
    std::vector<int> exerciseSection_;
    std::string path_;
    bool loaded_ = false;
};

}  // namespace zav
