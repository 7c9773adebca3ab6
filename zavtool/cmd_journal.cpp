// zavtool journal [FILE.zav] [--since DATE] [--csv] [--keys] [--journal PATH]: the journal's
// days (date, turns, minutes, letters per minute, error per cent) of one progress file or of
// all, or with --keys each key's figures, as a table or as CSV for a spreadsheet.
#include <cstdio>
#include <cstdlib>

#include "core/stats/journal.h"
#include "zavtool/commands.h"

namespace zav::tool {
namespace {

constexpr char kUsage[] = QT_TRANSLATE_NOOP(
    "zavtool",
    "uso: zavtool journal [ARCHIVO.zav] [--since AAAA-MM-DD] [--csv] [--keys] [--journal RUTA]");

std::string Format(const char* format, double a, double b = 0, double c = 0, double d = 0) {
    char text[128];
    std::snprintf(text, sizeof text, format, a, b, c, d);
    return text;
}

// A key as a spreadsheet reads it: quoted, with quotes doubled; blanks by name.
std::string KeyName(int code, bool csv) {
    if (code == ' ') return csv ? "\"space\"" : "space";
    if (code < 32) return "#" + std::to_string(code);
    // Out() writes it in the terminal's encoding, like every other text of the tool.
    const std::string key(1, static_cast<char>(code));
    if (!csv) return key;
    return code == '"' ? "\"\"\"\"" : "\"" + key + "\"";
}

void PrintDays(const std::vector<JournalDay>& days, bool csv) {
    Out(csv ? "date,turns,minutes,lpm,error_percent\n"
            : "date        turns  minutes      lpm  error%\n");
    for (const JournalDay& day : days) {
        const double minutes = day.duration / 6000.0;
        const double lpm = day.duration > 0 ? day.letters * 6000.0 / day.duration : 0.0;
        const double errors = day.letters > 0 ? day.errors * 100.0 / day.letters : 0.0;
        Out(day.date + Format(csv ? ",%.0f,%.2f,%.1f,%.2f\n" : "  %5.0f  %7.2f  %7.1f  %6.2f\n",
                              day.turns, minutes, lpm, errors));
    }
}

void PrintKeys(const std::vector<JournalKey>& keys, bool csv) {
    Out(csv ? "key,code,correct,timed,median_ms,mean_ms\n"
            : "key      code  correct    timed  median_ms  mean_ms\n");
    for (const JournalKey& key : keys) {
        const double mean = key.timed > 0 ? double(key.milliseconds) / key.timed : 0.0;
        std::string name = KeyName(key.code, csv);
        if (!csv) name.resize(name.size() + (name.size() < 6 ? 6 - name.size() : 0), ' ');
        Out(name +
            Format(csv ? ",%.0f,%.0f,%.0f" : "  %5.0f  %7.0f  %7.0f", key.code, double(key.correct),
                   double(key.timed)) +
            Format(csv ? ",%.0f,%.0f\n" : "  %9.0f  %7.0f\n", key.medianMs, mean));
    }
}

}  // namespace

int RunJournal(Args args) {
    std::string document, since;
    std::filesystem::path file = JournalDefaultFile();
    bool csv = false, keys = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--csv") {
            csv = true;
        } else if (arg == "--keys") {
            keys = true;
        } else if (arg == "--since" && i + 1 < args.size()) {
            since = args[++i];
        } else if (arg == "--journal" && i + 1 < args.size()) {
            file = args[++i];
        } else if (arg.rfind("--", 0) != 0 && document.empty()) {
            // The tutor files turns under the progress file's absolute path.
            document = std::filesystem::absolute(arg).lexically_normal().string();
        } else {
            return Fail(Tr(kUsage));
        }
    }
    int y = 0, m = 0, d = 0;
    if (!since.empty() && (std::sscanf(since.c_str(), "%4d-%2d-%2d", &y, &m, &d) != 3 || m < 1 ||
                           m > 12 || d < 1 || d > 31))
        return Fail("--since espera una fecha AAAA-MM-DD, no «" + since + "»");
    // Reading must not leave a journal behind where there was none.
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return Fail(Tr(QT_TRANSLATE_NOOP("zavtool", "no hay diario en %1"), {file.string()}));
    CJournal journal(file);
    switch (journal.Open()) {
        case JournalStatus::Ok:
            break;
        case JournalStatus::SetAside:
            Notice("el diario estaba dañado: apartado como " + journal.SetAsidePath().string());
            break;
        case JournalStatus::Newer:
            return Fail(file.string() + ": escrito por un ZAVType más reciente");
        default:
            return Fail(Tr(QT_TRANSLATE_NOOP("zavtool", "no se puede abrir el diario %1"),
                           {file.string()}));
    }
    if (keys)
        PrintKeys(journal.Keys(document, since), csv);
    else
        PrintDays(journal.Days(document, since), csv);
    return 0;
}

}  // namespace zav::tool
