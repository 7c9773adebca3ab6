// zavtool report FILE.zav OUT.html [--config FOLDER]: the evaluation report of a progress file,
// as the tutor writes it for that document.
#include <system_error>

#include "core/app/config.h"
#include "core/app/strings.h"
#include "core/course/progress_file.h"
#include "core/course/text_encoding.h"
#include "core/stats/report.h"
#include "zavtool/commands.h"

namespace zav::tool {

int RunReport(Args args) {
    Options options;
    if (!ParseOptions(args, {"config"}, options) || options.positional.size() != 2) {
        return Fail(Tr(QT_TRANSLATE_NOOP(
            "zavtool", "uso: zavtool report ARCHIVO.zav SALIDA.html [--config CARPETA]")));
    }
    const std::string& progress = options.positional[0];
    const std::string& out = options.positional[1];
    // The OK threshold is not stored in progress files: it comes from the settings.
    CConfig config;
    if (!config.Read(options.config ? std::filesystem::path(*options.config) : ToolFolder())) {
        Notice(text::kConfigMissing);
    }
    CZAVTypeDoc doc;
    doc.okThreshold = config.ok_thresh;
    const auto result = ReadProgress(progress, doc);
    if (!result.Ok()) return Fail(progress + ": " + Utf8FromCp1252(result.Message()));

    std::error_code error;
    auto documentPath = std::filesystem::absolute(progress, error);
    if (error) documentPath = progress;
    // The course is named by the path stored in the file; it need not exist here.
    const std::string bytes =
        ReportText(doc, documentPath.lexically_normal().string(), result.coursePath);
    if (!WriteReportBytes(out, bytes))
        return Fail(Tr(QT_TRANSLATE_NOOP("zavtool", "no se puede escribir %1"), {out}));
    return 0;
}

}  // namespace zav::tool
