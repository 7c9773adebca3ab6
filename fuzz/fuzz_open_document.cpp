// Opening a progress document end to end: the file's bytes are read, the course they name is
// loaded through the file reader, and the document is fitted to that course and to the finger
// table. Whatever the bytes and whatever the course path names (a pipe, a device, a folder, a
// file above the limit), nothing blocks, nothing is read without end, and the document ends up
// inside its course.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "core/course/progress_file.h"
#include "fuzz/check.h"
#include "fuzz/special_files.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    static const auto& folder = zav::fuzz::SpecialFiles();
    if (size == 0) return 0;
    // The first byte is the number of layouts of the finger table; the rest is the file.
    const int layoutCount = data[0] % 6;
    const auto bytes = zav::fuzz::Bytes(data + 1, size - 1);

    zav::CZAVTypeDoc doc;
    ZAV_CHECK(doc.course.Load((folder / "Default").string()));
    const zav::ProgressResult read = zav::DecodeProgress(bytes, doc);
    if (!read.Ok()) return 0;

    // Relative paths are taken from the folder of special files, as the tutor takes them from
    // its working folder.
    zav::CCourse course;
    const std::string path = read.coursePath.empty() || read.coursePath.front() == '/'
                                 ? read.coursePath
                                 : (folder / read.coursePath).string();
    if (!course.Load(path.empty() ? doc.course.Path() : path)) return 0;
    doc.course = std::move(course);
    doc.FitOpenedFile(layoutCount);

    const int exercises = doc.course.ExerciseCount();
    ZAV_CHECK(doc.exercise >= 0 && (doc.exercise < exercises || doc.exercise == 0));
    ZAV_CHECK(doc.keyboardLayout == 0 || doc.keyboardLayout < layoutCount);
    ZAV_CHECK(doc.course.ExerciseLine(doc.exercise).size() <= zav::CLineReader::kMaxLine);
    return 0;
}
