// zavtool new OUT.zav [--config FOLDER] [--course PATH]: the file Save writes right after New.
#include "core/app/config.h"
#include "core/app/strings.h"
#include "core/course/course.h"
#include "core/course/progress_file.h"
#include "core/course/text_encoding.h"
#include "zavtool/commands.h"

namespace zav::tool {

int RunNew(Args args) {
    Options options;
    if (!ParseOptions(args, {"config", "course"}, options) || options.positional.size() != 1) {
        return Fail(Tr(QT_TRANSLATE_NOOP(
            "zavtool", "uso: zavtool new SALIDA.zav [--config CARPETA] [--course CURSO]")));
    }
    // As the tutor's New: the settings and the default course beside the program.
    CConfig config;
    if (!config.Read(options.config.value_or(ToolFolder().string()))) Notice(text::kConfigMissing);
    std::error_code error;
    const std::string coursePath = options.course
                                       ? std::filesystem::absolute(*options.course, error).string()
                                       : (ToolFolder() / "Courses" / "Default").string();
    // The tutor ends at start-up with a course it cannot load: such a file is not written.
    CCourse course;
    if (const CCourseLoad load = course.Load(coursePath); !load) return Fail(load.Message());

    // The first New of a run: a fresh document given the settings' starting values.
    CZAVTypeDoc doc;
    doc.ApplyNew(config);
    const auto result = SaveProgress(doc, coursePath, options.positional[0]);
    if (!result.Ok()) return Fail(options.positional[0] + ": " + Utf8FromCp1252(result.Message()));
    return 0;
}

}  // namespace zav::tool
