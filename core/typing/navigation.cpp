#include "core/typing/navigation.h"

#include <algorithm>

namespace zav {
namespace {

// The N newest entries of the history, never more than it holds.
int EntriesToCheck(int autoNum) {
    return std::clamp(autoNum, 0, CTypingEngine::kHistoryLength);
}

bool RuleHolds(const CZAVTypeDoc& doc, int turnNumber, const ITypingListener::TurnHistory& history,
               int errors) {
    const int n = EntriesToCheck(doc.autoNum);
    switch (doc.autoType) {
        case AnyTurns:
            return turnNumber > doc.autoNum;
        case OkTurns:
            if (errors > doc.okThreshold) return false;
            for (int i = 0; i < n; ++i)
                if (history[i] > doc.okThreshold || history[i] == -1) return false;
            return true;
        case PerfectTurns:
            if (errors != 0) return false;
            for (int i = 0; i < n; ++i)
                if (history[i] != 0) return false;
            return true;
        default:
            return true;  // a rule of no known kind sets no condition
    }
}

}  // namespace

AdvanceAnswer ShouldAutoAdvance(const CZAVTypeDoc& doc, int turnNumber,
                                const ITypingListener::TurnHistory& history, int errors) {
    if (doc.exercise + 1 >= doc.course.ExerciseCount()) return AdvanceAnswer::No;
    if (doc.autoAdvance == 0) return AdvanceAnswer::No;
    if (doc.kind != CourseExercise) return AdvanceAnswer::No;
    if (!RuleHolds(doc, turnNumber, history, errors)) return AdvanceAnswer::No;
    return doc.confirmAdvance ? AdvanceAnswer::Confirm : AdvanceAnswer::Yes;
}

void PreviousExercise(CZAVTypeDoc& doc, CTypingEngine& engine) {
    if (doc.kind != CourseExercise)
        doc.kind = CourseExercise;
    else if (doc.exercise > 0)
        --doc.exercise;
    engine.StartExercise();
}

bool NextExercise(CZAVTypeDoc& doc, CTypingEngine& engine) {
    if (doc.kind != CourseExercise) {
        doc.kind = CourseExercise;
    } else if (doc.exercise + 1 < doc.course.ExerciseCount()) {
        ++doc.exercise;
    } else {
        return false;
    }
    engine.StartExercise();
    return true;
}

void RestartTurn(CTypingEngine& engine) {
    engine.PushTurnHistory(-1);
    engine.AddToTurnNumber();
    engine.BeginTurn();
}

}  // namespace zav
