// The tutor's command line as its main takes it: --help and --version answered before Qt
// starts, then the progress file named by what Qt leaves opened at start-up, which may be a
// real progress file, a course, a pipe, a device, a folder or an oversized file. Start-up either
// shows the window on a usable document or fails with status 1; it never blocks or reads without
// end.
#include "core/course/textfile.h"
#include "fuzz/qt/tutor_fuzz.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    zav::fuzz::StartApplication();
    zav::fuzz::PutFile(zav::fuzz::SpecialFiles() / "progress.zav",
                       zav::fuzz::ReadAll(ZAV_SOURCE_DIR "/fuzz/corpus/fuzz_progress/new.zav"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace zav;
    fuzz::CommandLine line("ZAVType", data, size);
    if (ui::CZAVTypeApp::EarlyOptionOf(line.Argc(), line.Argv()) !=
        ui::CZAVTypeApp::EarlyOption::kNone)
        return 0;
    fuzz::Tutor tutor;
    if (tutor.app.Start(ui::CZAVTypeApp::FileArgument(line.Arguments()))) {
        const CCourse& course = tutor.app.Document().course;
        const int exercise = tutor.app.Document().exercise;
        ZAV_CHECK(exercise >= 0 && (exercise < course.ExerciseCount() || exercise == 0));
        ZAV_CHECK(course.ExerciseLine(exercise).size() <= CLineReader::kMaxLine);
    }
    fuzz::Settle();
    return 0;
}
