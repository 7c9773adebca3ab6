#include "core/course/course.h"

#include <algorithm>

#include "core/app/course_strings.h"
#include "core/course/textfile.h"

namespace zav {
namespace {

void ReplaceAll(std::string& text, std::string_view placeholder, const std::string& value) {
    for (auto at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + value.size()))
        text.replace(at, placeholder.size(), value);
}

}  // namespace

std::string CCourseLoad::Message() const {
    std::string message;
    switch (status) {
        case CourseStatus::kLoaded:
            return {};
        case CourseStatus::kUnreadable:
            message = text::kCourseUnreadable;
            break;
        case CourseStatus::kBinary:
            message = text::kCourseBinary;
            break;
        case CourseStatus::kNoExercises:
            message = text::kCourseWithoutExercises;
            break;
        case CourseStatus::kUnmappableUtf8:
            message = text::kCourseUnmappable;
            ReplaceAll(message, "%2", std::to_string(character.line));
            ReplaceAll(message, "%3", DescribeUnmappable(character));
            break;
    }
    ReplaceAll(message, "%1", path);
    return message;
}

CCourseLoad CCourse::Load(const std::string& path) {
    const std::string wanted = path.empty() ? path_ : path;
    const auto text = ReadTextFile(wanted);
    // A course that cannot be read changes nothing: the caller reports it and goes on.
    if (!text) return {CourseStatus::kUnreadable, wanted, {}};
    CCourseLoad result = LoadBytes(*text, wanted);
    if (result) path_ = wanted;
    return result;
}

CCourseLoad CCourse::LoadBytes(std::string_view bytes, const std::string& path) {
    if (bytes.find('\0') != std::string_view::npos) return {CourseStatus::kBinary, path, {}};
    const CDecodedText decoded = DecodeText(bytes);
    if (!decoded.unmappable.empty())
        return {CourseStatus::kUnmappableUtf8, path, decoded.unmappable.front()};
    CCourse parsed;
    parsed.Parse(decoded.text);
    // Without an exercise every key would end a turn of nothing.
    if (parsed.ExerciseCount() == 0) return {CourseStatus::kNoExercises, path, {}};
    parsed.path_ = path_;
    *this = std::move(parsed);
    return {CourseStatus::kLoaded, path, {}};
}

void CCourse::Parse(std::string_view text) {
    std::vector<std::string> exercises;
    std::vector<std::string> sections;
    std::vector<int> sectionStart;
    CLineReader reader(text);
    while (auto line = reader.Next()) {
        // A read that runs into the end of the file does not count.
        if (!line->complete) break;
        if (!line->text.empty() && line->text.front() == '\t') {
            sectionStart.push_back(static_cast<int>(exercises.size()));
            sections.push_back(line->text.substr(1));
        } else {
            // Exercises before the first section line go into an untitled one at the front, so
            // that every exercise has a section.
            if (sections.empty()) {
                sectionStart.push_back(0);
                sections.emplace_back();
            }
            exercises.push_back(std::move(line->text));
        }
    }
    sectionStart.push_back(static_cast<int>(exercises.size()));

    std::vector<int> exerciseSection(exercises.size());
    for (std::size_t s = 0; s + 1 < sectionStart.size(); ++s) {
        std::fill(exerciseSection.begin() + sectionStart[s],
                  exerciseSection.begin() + sectionStart[s + 1], static_cast<int>(s));
    }

    exercises_ = std::move(exercises);
    sections_ = std::move(sections);
    sectionStart_ = std::move(sectionStart);
    exerciseSection_ = std::move(exerciseSection);
    loaded_ = true;
}

namespace {

// `index` brought into 0..count−1; count must be above 0.
int Within(int index, int count) {
    return std::clamp(index, 0, count - 1);
}

}  // namespace

std::string CCourse::ExerciseLine(int index) const {
    if (exercises_.empty()) return {};
    return exercises_[Within(index, ExerciseCount())];
}

std::string CCourse::SectionTitleOfExercise(int exercise) const {
    if (exercises_.empty()) return {};
    return sections_[exerciseSection_[Within(exercise, ExerciseCount())]];
}

std::string CCourse::SectionTitle(int section) const {
    if (sections_.empty()) return {};
    return sections_[Within(section, SectionCount())];
}

int CCourse::SectionOfExercise(int exercise) const {
    if (exercises_.empty()) return 0;
    return exerciseSection_[Within(exercise, ExerciseCount())];
}

int CCourse::SectionStart(int section) const {
    if (sectionStart_.empty()) return 0;
    return sectionStart_[Within(section, static_cast<int>(sectionStart_.size()))];
}

std::string CCourse::FileName() const {
    return std::filesystem::path(path_).filename().string();
}

}  // namespace zav
