// zavtool progress FILE.zav [--config FOLDER]: a progress file as the tutor reads it, with the
// figures of its history.
#include <cstdio>

#include "core/app/config.h"
#include "core/app/strings.h"
#include "core/course/progress_file.h"
#include "core/course/text_encoding.h"
#include "core/stats/measures.h"
#include "zavtool/commands.h"

namespace zav::tool {
namespace {

std::string Num(int value) {
    return std::to_string(value);
}
std::string Bool(bool value) {
    return value ? "true" : "false";
}
std::string Float(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}
std::string Speed(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%3.1f", value);
    return text;
}

void Line(const char* name, const std::string& value) {
    Out(std::string(name) + "=" + value + "\n");
}

}  // namespace

int RunProgress(Args args) {
    Options options;
    if (!ParseOptions(args, {"config"}, options) || options.positional.size() != 1) {
        return Fail(Tr(
            QT_TRANSLATE_NOOP("zavtool", "uso: zavtool progress ARCHIVO.zav [--config CARPETA]")));
    }
    // The OK threshold is not stored in progress files: it comes from the settings.
    CConfig config;
    if (!config.Read(options.config ? std::filesystem::path(*options.config) : ToolFolder())) {
        Notice(text::kConfigMissing);
    }
    CZAVTypeDoc doc;
    doc.okThreshold = config.ok_thresh;
    const auto result = ReadProgress(options.positional[0], doc);
    if (!result.Ok()) return Fail(options.positional[0] + ": " + Utf8FromCp1252(result.Message()));

    Line("includeExtraLetters", Bool(doc.includeExtraLetters));
    Line("confirmAdvance", Bool(doc.confirmAdvance));
    Line("fontName", doc.fontName);
    Line("fontSize", Num(doc.fontSize));
    Line("keyboardLayout", Num(doc.keyboardLayout));
    Line("goodLimit", Float(doc.goodLimit));
    Line("badLimit", Float(doc.badLimit));
    Line("autoAdvance", Num(doc.autoAdvance));
    Line("autoNum", Num(doc.autoNum));
    Line("autoType", Num(doc.autoType));
    Line("soundOn", Bool(doc.soundOn));
    Line("kind", Num(doc.kind));
    Line("exercise", Num(doc.exercise));
    Line("anyOrderLetters", doc.anyOrderLetters);
    Line("inOrderText", doc.inOrderText);
    Line("historyCount", Num(doc.stats.historyCount));

    const auto& stats = doc.stats;
    for (int code = 0; code < 256; ++code) {
        if (stats.letterErrors[code] == 0 && stats.letterCorrect[code] == 0) continue;
        Out("letter " + Num(code) + " " + Num(stats.letterErrors[code]) + " " +
            Num(stats.letterCorrect[code]) + "\n");
    }
    for (int i = 0; i < stats.historyCount; ++i) {
        const CTurnRecord& t = stats.history[i];
        Out("turn " + Num(i) + " " + Num(t.kind) + " " + Num(t.letters) + " " + Num(t.errors) +
            " " + Num(t.exercise) + " " + Num(t.duration) + " " + Num(t.words) + " " +
            t.errorLetters + "\n");
    }
    Line("course", result.coursePath);

    const HistorySummary summary = SummarizeHistory(stats, doc.okThreshold);
    Line("total", FormatDuration(summary.total));
    Line("wpm20", Speed(summary.wpm20));
    Line("wpm100", Speed(summary.wpm100));
    Line("wpmAll", Speed(summary.wpmAll));
    Line("grades", Num(summary.grades.bien) + " " + Num(summary.grades.regular) + " " +
                       Num(summary.grades.mal));
    // The letters bar's two lists.
    Line("good", doc.LettersInRange(0.0f, doc.goodLimit));
    Line("bad", doc.LettersInRange(doc.badLimit, 100.0f));
    return 0;
}

}  // namespace zav::tool
