// A course file: whatever the text, every lookup stays inside the course's tables and the
// sections cover the exercises in order.
#include <climits>
#include <string>

#include "core/course/course.h"
#include "core/course/course_check.h"
#include "fuzz/check.h"

namespace {

void CheckLookups(const zav::CCourse& course, int index) {
    const int sections = course.SectionCount();
    const int exercises = course.ExerciseCount();
    const int section = course.SectionOfExercise(index);
    if (sections == 0) {
        ZAV_CHECK(exercises == 0 && section == 0);
    } else {
        ZAV_CHECK(section >= 0 && section < sections);
    }
    const int start = course.SectionStart(index);
    ZAV_CHECK(start >= 0 && start <= exercises);
    ZAV_CHECK(course.ExerciseLine(index).size() <= 255);
    ZAV_CHECK(course.SectionTitle(index).size() <= 254);
    if (exercises > 0) {
        ZAV_CHECK(course.SectionTitleOfExercise(index) == course.SectionTitle(section));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    zav::CCourse course;
    course.Parse(zav::fuzz::Bytes(data, size));
    ZAV_CHECK(course.Loaded());

    const int sections = course.SectionCount();
    const int exercises = course.ExerciseCount();
    ZAV_CHECK(exercises == 0 || sections > 0);
    ZAV_CHECK(course.SectionStart(0) == 0);
    ZAV_CHECK(course.SectionStart(sections) == exercises);
    for (int s = 0; s < sections; ++s) {
        ZAV_CHECK(course.SectionStart(s) <= course.SectionStart(s + 1));
    }
    for (int e = 0; e < exercises; ++e) {
        const int s = course.SectionOfExercise(e);
        ZAV_CHECK(course.SectionStart(s) <= e && e < course.SectionStart(s + 1));
        const std::string line = course.ExerciseLine(e);
        ZAV_CHECK(line.find('\n') == std::string::npos);
        ZAV_CHECK(line.empty() || line.front() != '\t');
    }
    for (int index : {INT_MIN, -1, 0, 1, sections, sections + 1, exercises - 1, exercises,
                      exercises + 1, INT_MAX}) {
        CheckLookups(course, index);
    }

    // The same bytes as a file: refused, or loaded as UTF-8 or Windows-1252 with an exercise;
    // the checker finds an error exactly where loading refuses.
    zav::CCourse loaded;
    const zav::CCourseLoad load = loaded.LoadBytes(zav::fuzz::Bytes(data, size), "f");
    ZAV_CHECK(!load || loaded.ExerciseCount() > 0);
    ZAV_CHECK(load || !load.Message().empty());
    const auto findings = zav::CheckCourse(zav::fuzz::Bytes(data, size));
    if (!load) ZAV_CHECK(zav::CheckStatus(findings) == 2);
    return 0;
}
