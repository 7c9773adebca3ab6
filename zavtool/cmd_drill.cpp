// zavtool drill [--fingers FILE] [--layout N] [--extra] [--count N] LETTERS: the first drills a
// fresh run of the tutor deals from LETTERS, one per line.
#include <charconv>
#include <optional>

#include "core/app/strings.h"
#include "core/course/exercise_text.h"
#include "core/course/random.h"
#include "core/fingers/finger_layout.h"
#include "zavtool/commands.h"

namespace zav::tool {
namespace {

constexpr char kUsage[] = QT_TRANSLATE_NOOP(
    "zavtool", "uso: zavtool drill [--fingers ARCHIVO] [--layout N] [--extra] [--count N] LETRAS");

std::optional<int> Count(const std::string& text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

}  // namespace

int RunDrill(Args args) {
    std::filesystem::path fingersFile = ToolFolder() / "fingers.txt";
    int layout = 0;
    int count = 1;
    bool extra = false;
    std::vector<std::string> letters;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--extra") {
            extra = true;
        } else if (arg == "--fingers" || arg == "--layout" || arg == "--count") {
            if (i + 1 >= args.size()) return Fail(Tr(kUsage));
            const std::string& value = args[++i];
            if (arg == "--fingers") {
                fingersFile = value;
                continue;
            }
            const auto number = Count(value);
            if (!number)
                return Fail(Tr(QT_TRANSLATE_NOOP("zavtool", "no es un número: %1"), {value}));
            (arg == "--layout" ? layout : count) = *number;
        } else if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            return Fail(Tr(kUsage));
        } else {
            letters.push_back(TextArgument(arg));
        }
    }
    if (letters.size() != 1) return Fail(Tr(kUsage));

    CFingerTable fingers;
    if (extra) {
        if (!fingers.LoadFingerFile(fingersFile)) {
            Notice(text::kImportantFileMissing);
            return Fail(
                Tr(QT_TRANSLATE_NOOP("zavtool", "no se puede leer %1"), {fingersFile.string()}));
        }
        fingers.SetLayout(layout);
    }
    CRandom random;
    for (int i = 0; i < count; ++i) {
        Out(BuildDrill(letters[0], extra, random, extra ? &fingers : nullptr) + "\n");
    }
    return 0;
}

}  // namespace zav::tool
