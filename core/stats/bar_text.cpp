#include "core/stats/bar_text.h"

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <string_view>

#include "core/stats/measures.h"

namespace zav {
namespace {

// printf-style output of one number; a decimal comma of the current locale becomes a point.
template <typename T>
std::string Format(const char* format, T value) {
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, format, value);
    const std::string_view text(
        buffer, n > 0 ? static_cast<std::size_t>(std::min<int>(n, sizeof buffer - 1)) : 0u);
    const std::string_view point = std::localeconv()->decimal_point;
    const std::size_t at = point == "." ? std::string_view::npos : text.find(point);
    if (at == std::string_view::npos) return std::string(text);
    // Built by appending: g++ 12 warns falsely (-Wrestrict) on std::string::replace here.
    std::string out(text.substr(0, at));
    out += '.';
    out += text.substr(at + point.size());
    return out;
}

}  // namespace

TurnFigureTexts FormatTurnFigures(const CTurnRecord& record, int turnNumber) {
    TurnFigureTexts t;
    t.duration = Format("%4.3f", record.duration * 0.01);
    t.letters = Format("%d", record.letters);
    t.words = Format("%d", record.words);
    t.errors = Format("%d", record.errors);
    t.errorPercent = Format("%d%%", ErrorPercent(record));
    t.lettersPerMinute = Format("%4.0f", LettersPerMinute(record));
    t.wordsPerMinute = Format("%3.0f", WordsPerMinute(record));
    t.errorLetters = record.errorLetters;
    t.turnNumber = Format("%d", turnNumber);
    return t;
}

Disc TurnResultDisc(int result, int okThreshold) {
    switch (TurnGrade(result, okThreshold)) {
        case Grade::Bien:
            return Disc::Green;
        case Grade::Regular:
            return Disc::Yellow;
        case Grade::Mal:
            return Disc::Red;
        case Grade::None:
            break;
    }
    return Disc::Blank;
}

Disc ErrorLevelDisc(int errors, int okThreshold) {
    return errors < 0 ? Disc::Green : TurnResultDisc(errors, okThreshold);
}

std::array<Disc, 4> TurnDiscs(const std::array<int, 10>& history, int okThreshold) {
    std::array<Disc, 4> discs{};
    for (std::size_t i = 0; i < discs.size(); ++i)
        discs[i] = TurnResultDisc(history[i], okThreshold);
    return discs;
}

}  // namespace zav
