#pragma once
// The user's progress record and the tutor's current state: settings of the document, the
// exercise on screen, per-character counts and the last 150 turns, newest first.
#include <array>
#include <string>

#include "core/course/course.h"

namespace zav {

struct CConfig;

enum ExerciseKind : int {
    CourseExercise = 0,
    ProblemLetters = 1,
    LettersInOrder = 2,
    RandomLetters = 3,
};

enum AdvanceRule : int {
    AnyTurns = 0,
    OkTurns = 1,
    PerfectTurns = 2,
};

// The result of one turn (one pass through the exercise line).
struct CTurnRecord {
    int kind = 0;
    int duration = 0;  // hundredths of a second
    std::string errorLetters;
    int letters = 0;
    int errors = 0;
    int exercise = 0;
    int words = 0;

    bool operator==(const CTurnRecord&) const = default;
};

struct CProgressStats {
    static constexpr int kHistorySize = 150;

    int historyCount = 0;
    std::array<int, 256> letterErrors{};
    std::array<int, 256> letterCorrect{};
    std::array<CTurnRecord, kHistorySize> history{};
};

class CZAVTypeDoc {
  public:
    // Fields in the order of the progress file.
    bool includeExtraLetters = false;
    bool confirmAdvance = true;
    std::string fontName = "MS San Serif";
    int fontSize = 140;
    int keyboardLayout = 0;
    float goodLimit = 0.1f;
    float badLimit = 0.2f;
    int autoAdvance = 1;
    int autoNum = 2;
    int autoType = PerfectTurns;
    bool soundOn = true;
    int kind = CourseExercise;
    int exercise = 0;
    CProgressStats stats;
    CCourse course;
    std::string anyOrderLetters;
    std::string inOrderText;
    int okThreshold = 0;  // from the settings, never stored in progress files
    // The journal's slowest letters while a slow-letter drill is on screen; the drill is a
    // problem-letter drill of these letters. Never stored in progress files.
    std::string slowLetters;

    // New's values from the settings; keeps the practice letters and the extra-letters choice.
    // Does not touch the course (the caller loads it).
    void ApplyNew(const CConfig& config);
    // Stores `record` as the newest history entry, dropping the oldest past 150.
    void AddTurn(const CTurnRecord& record);
    // Characters 0..255 but the space whose error ratio lies in [low, high].
    std::string LettersInRange(float low, float high) const;
    void ResetStats();
    // After Open has loaded the stored course: a file saved before the course was shortened
    // goes on at its last exercise, and a layout that the finger table (`layoutCount` layouts)
    // does not have becomes the first.
    void FitOpenedFile(int layoutCount);
};

}  // namespace zav
