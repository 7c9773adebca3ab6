#pragma once
// What the exercise view needs from the window around it: the bars that show the turn, and the
// document's modified flag. The main frame implements it; every call has a do-nothing default.
#include <array>
#include <string>

#include "core/course/document.h"
#include "core/typing/key_times.h"

namespace zav::ui {

class IViewHost {
  public:
    virtual ~IViewHost() = default;
    virtual void ShowErrorLevel(int /*errors*/) {}
    virtual void ShowTurnFigures(const CTurnRecord& /*record*/, int /*turnNumber*/) {}
    virtual void ShowTurnDiscs(const std::array<int, 10>& /*history*/) {}
    virtual void ClearTurnFigures(int /*turnNumber*/) {}
    virtual void ShowLetterLists(const std::string& /*good*/, const std::string& /*bad*/) {}
    virtual void ShowFingerFor(char /*next*/) {}
    virtual void RefreshGraph() {}
    // A finished turn was added to the history, with the speed of each of its keys.
    virtual void TurnRecorded(const CTurnRecord& /*record*/, const CKeyTimes& /*keys*/) {}
    virtual void PostExerciseHelp(int /*exercise*/) {}
    virtual void MarkModified() {}
    // The automatic advance asks the user first: true to move on.
    virtual bool ConfirmAdvance() { return true; }
    // The exercise caption or the auto-advance switch may have changed.
    virtual void UpdateStatusPanes() {}
};

}  // namespace zav::ui
