#pragma once
// The rules of the three dialogs that choose what the user types next, without their widgets:
// the practice dialog's options, the jump dialog's number and section, and the auto-advance
// settings.
#include <optional>
#include <string>
#include <vector>

#include "core/course/document.h"

namespace zav {

// --- Practice -----------------------------------------------------------------------------------

enum PracticeMode : int {
    PracticeProblem = 0,
    PracticeAnyOrder = 1,
    PracticeInOrder = 2,
    // The slowest letters of the journal, drilled like the problem letters.
    PracticeSlow = 3,
};

inline constexpr int kPracticeTextMax = 256;

struct PracticeChoice {
    int mode = PracticeProblem;
    std::string anyOrderLetters;
    std::string inOrderText;
    int includeExtra = 0;  // check state: 0 or 1
    bool hasProblemLetters = false;
};

// What the caller hands the dialog: the document's letters and whether any letter has
// reached the problem limit.
PracticeChoice PracticeFromDocument(const CZAVTypeDoc& doc);
// "Comienza" accepted: both texts and the extra-letters choice go back, kind from the mode;
// "Letras lentas" drills `slowLetters`, the journal's slowest letters.
void ApplyPractice(const PracticeChoice& choice, CZAVTypeDoc& doc,
                   const std::string& slowLetters = {});
// 0 and 3 → ProblemLetters, 1 → RandomLetters, 2 → LettersInOrder.
int KindOfPracticeMode(int mode);
// Whether "Comienza" has anything to practise.
bool CanStartPractice(const PracticeChoice& choice, const std::string& slowLetters = {});

struct PracticeControls {
    bool anyOrderEnabled = false;
    bool inOrderEnabled = false;
    bool extraEnabled = false;

    bool operator==(const PracticeControls&) const = default;
};
PracticeControls PracticeControlsFor(int mode);

// --- Jump ---------------------------------------------------------------------------------------

// The exercise index "Saltar" goes to: the number brought into 1..exerciseCount, less one.
// A field without a number leaves the exercise where it is: nullopt.
std::optional<int> JumpTarget(const std::string& numberText, int exerciseCount);
// The number proposed when a section is chosen: the section's first exercise, 1-based.
int SectionFirstNumber(const CCourse& course, int section);
// The section title of the exercise numbered n (1-based), for selecting it in the list.
std::string SectionTitleOfNumber(const CCourse& course, int number);
// The first entry that begins with `prefix`, letters compared without case (Windows-1252);
// −1 when none does.
int FindEntryByPrefix(const std::vector<std::string>& entries, const std::string& prefix);

// --- Auto-advance -------------------------------------------------------------------------------

// The rule looks back at most this many turns, so "Avance cada" goes no higher.
inline constexpr int kAdvanceEveryMax = 10;

struct AutoAdvanceValues {
    int autoAdvance = 0;
    int autoNum = 0;
    int autoType = 0;
    bool confirmAdvance = false;

    bool operator==(const AutoAdvanceValues&) const = default;
};

AutoAdvanceValues AutoAdvanceFromDocument(const CZAVTypeDoc& doc);
void ApplyAutoAdvance(const AutoAdvanceValues& values, CZAVTypeDoc& doc);
// "Avance cada" as typed: text that is not a number leaves `current`; the number is brought
// into 0..10.
int ParseAdvanceEvery(const std::string& text, int current);

}  // namespace zav
