// The tutor's message handler fed with sequences of datagrams on its own port, as the help
// viewer and the add-on send them: course paths one character per TM_LOAD_COURSE_CHAR (naming
// pipes, devices, folders and oversized files too), TM_HELP_CLOSED, other programs' messages,
// messages of any content and datagrams of any size. The tutor keeps a usable course, its port
// stays open and its queue within its limit.
#include "core/course/textfile.h"
#include "fuzz/qt/tutor_fuzz.h"
#include "tutor/companion/companions.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    zav::fuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace zav;
    static fuzz::Tutor* tutor = [] {
        auto* t = new fuzz::Tutor;
        ZAV_CHECK(t->app.Start());
        return t;
    }();
    const auto* companions = tutor->app.Companions();
    fuzz::SendDatagrams(data, size, companions->OwnId(),
                        {TM_LOAD_COURSE_CHAR, TM_LOAD_COURSE_CHAR, TM_LOAD_COURSE_CHAR,
                         TM_LOAD_COURSE_CHAR, TM_HELP_CLOSED, TM_SHOW_EXERCISE_HELP,
                         TM_TUTOR_THREAD, TM_QUIT_HELP, TM_COURSE_NAME_CHAR});
    fuzz::Settle();

    ZAV_CHECK(companions->PortOpen());
    const CCourse& course = tutor->app.Document().course;
    ZAV_CHECK(course.ExerciseCount() > 0);
    const int exercise = tutor->app.Document().exercise;
    ZAV_CHECK(exercise >= 0 && exercise < course.ExerciseCount());
    ZAV_CHECK(course.ExerciseLine(exercise).size() <= CLineReader::kMaxLine);
    return 0;
}
