#pragma once
// The typing rules of the exercise view: what every typed character does, how errors are counted
// (at most one per position), how a turn is timed and recorded, and how an exercise and a turn
// begin. The view feeds it character codes and timer ticks and shows what the listener is told.
#include <array>
#include <functional>
#include <string>

#include "core/course/document.h"
#include "core/typing/key_times.h"
#include "core/typing/mark_set.h"
#include "core/typing/typing_clock.h"

namespace zav {

enum class Sound { Ok, Bad, Done };

// What the engine asks of the window around it. Every call has a do-nothing default.
class ITypingListener {
  public:
    using TurnHistory = std::array<int, 10>;

    virtual ~ITypingListener() = default;
    virtual void StopSound() {}
    virtual void PlaySound(Sound) {}
    virtual void ShowErrorLevel(int /*errors*/) {}
    virtual void ShowTurnFigures(const CTurnRecord& /*record*/, int /*turnNumber*/) {}
    virtual void ShowTurnDiscs(const TurnHistory& /*history*/) {}
    // A new exercise: no figures and no error level until its turns give some.
    virtual void ClearTurnFigures(int /*turnNumber*/) {}
    virtual void ShowLetterLists(const std::string& /*good*/, const std::string& /*bad*/) {}
    // The next character to type; 0 when the line has none.
    virtual void ShowFingerFor(char /*next*/) {}
    // Redraw the exercise area: all of it, or only the typing box, caret and marks.
    virtual void Redraw(bool /*full*/) {}
    virtual void StartTimer() {}
    virtual void StopTimer() {}
    // A course exercise started: tell a running help viewer its 0-based index.
    virtual void PostExerciseHelp(int /*exercise*/) {}
    virtual void RefreshGraph() {}
    // A finished turn was added to the history, with the speed of each of its keys.
    virtual void TurnRecorded(const CTurnRecord& /*record*/, const CKeyTimes& /*keys*/) {}
    // Asked once after every finished turn: move on to the next exercise?
    virtual bool AskAutoAdvance() { return false; }
    virtual void MarkModified() {}
};

class CTypingEngine {
  public:
    using LineSource = std::function<std::string()>;
    static constexpr int kHistoryLength = 10;

    // The engine keeps references to all three; they outlive it. Course lines come from the
    // document until SetLineSource names the exercise text of every kind.
    CTypingEngine(CZAVTypeDoc& doc, ITypingListener& listener, IClock& clock);

    void SetLineSource(LineSource source) { lineSource_ = std::move(source); }

    // One typed character, as its Windows-1252 code; codes outside 32..255 do nothing.
    void Character(int code);
    // A tick of the 250 ms timer while a turn is timed.
    void Tick() { ReportProgress(); }
    // The view lost or regained the keyboard focus: a timed turn's clock stands still meanwhile,
    // so time spent in menus, dialogs or other windows never counts as typing time.
    void PauseClock();
    void ResumeClock();
    bool ClockPaused() const { return paused_; }

    // Starts the document's current exercise at turn 1.
    void StartExercise();
    // Resets the per-turn state, loads the line and rolls the marks.
    void BeginTurn();
    // Puts `errors` (-1: no turn or a restarted one) in front of the turn history.
    void PushTurnHistory(int errors);
    void AddToTurnNumber() { ++turnNumber_; }

    const std::string& SourceLine() const { return sourceLine_; }
    const std::string& TypedText() const { return typedText_; }
    int Position() const { return record_.letters; }
    bool PendingError() const { return pendingError_; }
    bool Timed() const { return timed_; }
    int TurnNumber() const { return turnNumber_; }
    const ITypingListener::TurnHistory& TurnHistory() const { return turnHistory_; }
    const CTurnRecord& Record() const { return record_; }
    const std::string& StatusText() const { return statusText_; }
    // The error marks of this turn, the last one and the ones before: the positions in the line
    // of the characters that were missed.
    const CMarkSet& CurrentMarks() const { return currentMarks_; }
    const CMarkSet& PreviousMarks() const { return previousMarks_; }
    const CMarkSet& OlderMarks() const { return olderMarks_; }
    const CKeyTimes& KeyTimes() const { return keyTimes_; }

  private:
    void CorrectCharacter(unsigned char expected);
    void WrongCharacter(unsigned char typed);
    void StartTiming();
    void ReportProgress();
    // The clock reading of the turn: now, or the moment it was paused.
    TimeStamp TurnNow();
    // Ends the turn; `recorded` is false for an empty line, which leaves no record behind.
    void FinishLine(bool recorded);
    void SetCourseCaption();
    void RollMarks();

    CZAVTypeDoc& doc_;
    ITypingListener& listener_;
    IClock& clock_;
    LineSource lineSource_;

    std::string sourceLine_;
    std::string typedText_;
    bool pendingError_ = false;
    bool timed_ = false;
    bool paused_ = false;
    TimeStamp pausedAt_;
    int turnNumber_ = 0;
    ITypingListener::TurnHistory turnHistory_{};
    TimeStamp start_;
    CTurnRecord record_;
    CMarkSet currentMarks_;
    CMarkSet previousMarks_;
    CMarkSet olderMarks_;
    CKeyTimes keyTimes_;
    std::string statusText_;
};

}  // namespace zav
