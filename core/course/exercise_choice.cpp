#include "core/course/exercise_choice.h"

#include <algorithm>

#include "core/app/number_text.h"

namespace zav {
namespace {

// The practice dialog's problem letters: every letter at or above the problem limit.
constexpr float kProblemRangeTop = 1048576.0f;

// Windows-1252 letters in lower case, for the list's case-insensitive prefix match.
unsigned char LowerCp1252(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    switch (c) {
        case 0x8A:  // Š
        case 0x8C:  // Œ
        case 0x8E:  // Ž
            return static_cast<unsigned char>(c + 16);
        case 0x9F:  // Ÿ
            return 0xFF;
        default:
            return c;
    }
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
    if (prefix.size() > text.size()) return false;
    return std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
        return LowerCp1252(static_cast<unsigned char>(a)) ==
               LowerCp1252(static_cast<unsigned char>(b));
    });
}

}  // namespace

PracticeChoice PracticeFromDocument(const CZAVTypeDoc& doc) {
    PracticeChoice choice;
    choice.anyOrderLetters = doc.anyOrderLetters;
    choice.inOrderText = doc.inOrderText;
    choice.includeExtra = doc.includeExtraLetters ? 1 : 0;
    choice.hasProblemLetters = !doc.LettersInRange(doc.badLimit, kProblemRangeTop).empty();
    return choice;
}

void ApplyPractice(const PracticeChoice& choice, CZAVTypeDoc& doc, const std::string& slowLetters) {
    doc.anyOrderLetters = choice.anyOrderLetters;
    doc.inOrderText = choice.inOrderText;
    doc.includeExtraLetters = choice.includeExtra == 1;
    doc.kind = KindOfPracticeMode(choice.mode);
    doc.slowLetters = choice.mode == PracticeSlow ? slowLetters : std::string();
}

int KindOfPracticeMode(int mode) {
    switch (mode) {
        case PracticeAnyOrder:
            return RandomLetters;
        case PracticeInOrder:
            return LettersInOrder;
        default:
            return ProblemLetters;
    }
}

bool CanStartPractice(const PracticeChoice& choice, const std::string& slowLetters) {
    switch (choice.mode) {
        case PracticeProblem:
            return choice.hasProblemLetters;
        case PracticeAnyOrder:
            return !choice.anyOrderLetters.empty();
        case PracticeInOrder:
            return !choice.inOrderText.empty();
        case PracticeSlow:
            return !slowLetters.empty();
        default:
            return false;
    }
}

PracticeControls PracticeControlsFor(int mode) {
    switch (mode) {
        case PracticeAnyOrder:
            return {true, false, true};
        case PracticeInOrder:
            return {false, true, false};
        default:
            return {false, false, true};
    }
}

std::optional<int> JumpTarget(const std::string& numberText, int exerciseCount) {
    const std::optional<int> typed = ScanLeadingNumber(numberText);
    if (!typed) return std::nullopt;
    int n = *typed;
    if (n >= exerciseCount) n = exerciseCount;
    if (n < 1) n = 1;
    return n - 1;
}

int SectionFirstNumber(const CCourse& course, int section) {
    return course.SectionStart(section) + 1;
}

std::string SectionTitleOfNumber(const CCourse& course, int number) {
    // Brought into range first: the field may hold the int range's lowest value.
    return course.SectionTitleOfExercise(std::max(number, 1) - 1);
}

int FindEntryByPrefix(const std::vector<std::string>& entries, const std::string& prefix) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (StartsWithNoCase(entries[i], prefix)) return static_cast<int>(i);
    }
    return -1;
}

AutoAdvanceValues AutoAdvanceFromDocument(const CZAVTypeDoc& doc) {
    return {doc.autoAdvance, doc.autoNum, doc.autoType, doc.confirmAdvance};
}

void ApplyAutoAdvance(const AutoAdvanceValues& values, CZAVTypeDoc& doc) {
    doc.autoAdvance = values.autoAdvance;
    doc.autoNum = values.autoNum;
    doc.autoType = values.autoType;
    doc.confirmAdvance = values.confirmAdvance;
}

int ParseAdvanceEvery(const std::string& text, int current) {
    const std::optional<int> typed = ScanLeadingNumber(text);
    if (!typed) return current;
    return std::clamp(*typed, 0, kAdvanceEveryMax);
}

}  // namespace zav
