// zavtool new OUT.zav [--config FOLDER] [--course PATH]: the file Save writes right after New.
#include "tutor/app/config.h"
#include "tutor/course/progress_file.h"
#include "tutor/resources/strings.h"
#include "zavtool/commands.h"

namespace zav::tool {

int RunNew(Args args) {
    Options options;
    if (!ParseOptions(args, {"config", "course"}, options) || options.positional.size() != 1) {
        return Fail("usage: zavtool new OUT.zav [--config FOLDER] [--course PATH]");
    }
    CConfig config;
    if (options.config && !config.Read(*options.config)) Notice(text::kConfigMissing);
    const std::string coursePath =
        options.course ? *options.course : (ToolFolder() / "Courses" / "Default").string();

    // The first New of a run: a fresh document given the settings' starting values.
    CZAVTypeDoc doc;
    doc.ApplyNew(config);
    const auto result = SaveProgress(doc, coursePath, options.positional[0]);
    if (!result.Ok()) return Fail(options.positional[0] + ": " + result.Message());
    return 0;
}

}  // namespace zav::tool
