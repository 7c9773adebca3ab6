// zavtool check COURSE [--fingers FILE] [--help FOLDER]: every problem a teacher should fix in a
// course, and in its page table, one per line with its line number. Exit status 0 when clean,
// 1 with warnings only, 2 with errors.
#include "core/course/course.h"
#include "core/course/course_check.h"
#include "core/course/textfile.h"
#include "core/fingers/finger_layout.h"
#include "core/help/page_table_check.h"
#include "zavtool/commands.h"

namespace zav::tool {
namespace {

constexpr char kUsage[] =
    QT_TRANSLATE_NOOP("zavtool", "uso: zavtool check CURSO [--fingers ARCHIVO] [--help CARPETA]");

const char* SeverityName(CheckSeverity severity) {
    switch (severity) {
        case CheckSeverity::kNote:
            return "nota";
        case CheckSeverity::kWarning:
            return "aviso";
        case CheckSeverity::kError:
            break;
    }
    return "error";
}

// "FILE:LINE: error: message", as compilers write, so that editors can jump to the line.
void Report(const std::string& file, const std::vector<CCheckFinding>& findings, int& errors,
            int& warnings) {
    for (const CCheckFinding& f : findings) {
        std::string where = file + ":";
        if (f.line > 0) where += std::to_string(f.line) + ":";
        Say(where + " " + SeverityName(f.severity) + ": " + f.message + "\n");
        errors += f.severity == CheckSeverity::kError;
        warnings += f.severity == CheckSeverity::kWarning;
    }
}

}  // namespace

int RunCheck(Args args) {
    std::optional<std::filesystem::path> fingersFile;
    std::optional<std::filesystem::path> helpFolder;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--fingers" || args[i] == "--help") {
            if (i + 1 >= args.size()) return Fail(Tr(kUsage)) + 1;
            (args[i] == "--fingers" ? fingersFile : helpFolder) = args[i + 1];
            ++i;
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 1 || files[0].empty()) return Fail(Tr(kUsage)) + 1;
    const std::string& file = files[0];
    const auto bytes = ReadTextFile(file);
    if (!bytes)
        return Fail(Tr(QT_TRANSLATE_NOOP("zavtool", "no se puede leer el curso %1"), {file})) + 1;

    // The tutor's own finger table beside the tool, unless another is named.
    CFingerTable fingers;
    const std::filesystem::path fingersPath = fingersFile.value_or(ToolFolder() / "fingers.txt");
    const bool haveFingers = fingers.LoadFingerFile(fingersPath);
    if (fingersFile && !haveFingers)
        return Fail(Tr(QT_TRANSLATE_NOOP("zavtool", "no se puede leer %1"),
                       {fingersPath.string()})) +
               1;

    std::vector<CCheckFinding> findings = CheckCourse(*bytes, haveFingers ? &fingers : nullptr);
    int errors = 0;
    int warnings = 0;
    Report(file, findings, errors, warnings);
    if (helpFolder) {
        CCourse course;
        course.LoadBytes(*bytes, file);
        const std::filesystem::path table = *helpFolder / std::filesystem::path(file).filename();
        const auto tableBytes = ReadBinaryFile(table);
        std::vector<CCheckFinding> pages;
        if (!tableBytes) {
            pages.push_back({0, CheckSeverity::kError, "no existe la tabla de páginas"});
        } else {
            pages = CheckPageTable(*tableBytes, course.ExerciseCount(), *helpFolder);
        }
        Report(table.string(), pages, errors, warnings);
        findings.insert(findings.end(), pages.begin(), pages.end());
    }
    if (errors + warnings == 0) {
        Say(file + ": sin problemas\n");
    } else {
        Say(file + ": " + std::to_string(errors) + (errors == 1 ? " error, " : " errores, ") +
            std::to_string(warnings) + (warnings == 1 ? " aviso\n" : " avisos\n"));
    }
    return CheckStatus(findings);
}

}  // namespace zav::tool
