#pragma once
// The line to copy for every kind of exercise: the course line, the user's own text, or a drill
// shuffled from a letter set.
#include <string>

namespace zav {

class CFingerTable;
class CRandom;
class CZAVTypeDoc;

inline constexpr int kDrillLength = 50;
// Upper ratio bound of the problem letters that drills practise (2 to the 20th).
inline constexpr float kDrillProblemHigh = 1048576.0f;

// A drill of kDrillLength characters from `letters` (the fallback text when empty), with the
// fingers' extra letters appended when `includeExtraLetters` is set and a table is given. Each
// repetition of the letters is shuffled anew and joined to the last by one blank.
std::string BuildDrill(std::string letters, bool includeExtraLetters, CRandom& random,
                       const CFingerTable* fingers);

// The line for the document's current kind. `fingers` may be null: drills get no extra letters.
std::string ExerciseText(const CZAVTypeDoc& doc, CRandom& random, const CFingerTable* fingers);

}  // namespace zav
