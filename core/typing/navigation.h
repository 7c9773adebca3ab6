#pragma once
// Moving through a course: the previous, next and restart commands, and the rule that decides
// after a finished turn whether the course moves on to the next exercise by itself.
#include "core/course/document.h"
#include "core/typing/typing_engine.h"

namespace zav {

// What the automatic advance says after a turn: stay, move on, or move on if the user agrees.
enum class AdvanceAnswer { No, Yes, Confirm };

// The rule of the document's auto-advance settings after a finished turn. `turnNumber` is the
// engine's, already raised for the next turn; `history` holds the turn just finished in entry
// 0 (−1 for no turn or a restarted one); `errors` is that turn's error count. Practice kinds
// and the last exercise never advance. A rule that looks back further than the history holds
// sees only the history (the older turns count as missing).
AdvanceAnswer ShouldAutoAdvance(const CZAVTypeDoc& doc, int turnNumber,
                                const ITypingListener::TurnHistory& history, int errors);

// "&Anterior": back to the course from a practice, else one exercise back, else the first one
// again. Always starts an exercise; the caller marks the document modified.
void PreviousExercise(CZAVTypeDoc& doc, CTypingEngine& engine);
// "&Siguiente": back to the course from a practice, else one exercise on. On the last exercise
// nothing happens and the turn in progress goes on. Returns whether an exercise started.
bool NextExercise(CZAVTypeDoc& doc, CTypingEngine& engine);
// "&Reempezar": the turn in progress is abandoned (−1 in the turn history, not recorded) and
// the same exercise begins its next turn.
void RestartTurn(CTypingEngine& engine);

}  // namespace zav
