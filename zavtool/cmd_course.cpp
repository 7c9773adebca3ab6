// zavtool course FILE: the course model as the tutor builds it from FILE.
#include "core/course/course.h"
#include "zavtool/commands.h"

namespace zav::tool {

int RunCourse(Args args) {
    if (args.size() != 1)
        return Fail(Tr(QT_TRANSLATE_NOOP("zavtool", "uso: zavtool course CURSO")));
    if (args[0].empty())
        return Fail(Tr(QT_TRANSLATE_NOOP("zavtool", "falta el archivo del curso")));
    CCourse course;
    if (const CCourseLoad load = course.Load(args[0]); !load) return Fail(load.Message());

    Out("sections=" + std::to_string(course.SectionCount()) +
        " exercises=" + std::to_string(course.ExerciseCount()) + "\n");
    for (int s = 0; s < course.SectionCount(); ++s) {
        Out("S\t" + std::to_string(s) + "\t" + std::to_string(course.SectionStart(s)) + "\t" +
            course.SectionTitle(s) + "\n");
    }
    for (int e = 0; e < course.ExerciseCount(); ++e) {
        Out("E\t" + std::to_string(e) + "\t" + std::to_string(course.SectionOfExercise(e)) + "\t" +
            course.ExerciseLine(e) + "\n");
    }
    return 0;
}

}  // namespace zav::tool
