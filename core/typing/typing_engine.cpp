#include "core/typing/typing_engine.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "core/app/strings.h"

namespace zav {

bool CMarkSet::Add(int value) {
    if (count_ >= kCapacity) return false;
    for (int v : *this)
        if (v == value) return false;
    values_[count_++] = value;
    return true;
}

void CMarkSet::Merge(const CMarkSet& other) {
    for (int v : other) Add(v);
}

TimeStamp CSteadyClock::Now() {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now().time_since_epoch())
                        .count();
    return {ms / 1000, static_cast<int>(ms % 1000)};
}

int ElapsedHundredths(TimeStamp start, TimeStamp now) {
    const std::int64_t hundredths =
        (now.milliseconds - start.milliseconds) / 10 + (now.seconds - start.seconds) * 100;
    if (hundredths < 0) return 0;
    if (hundredths > 0x7fffffff) return 0x7fffffff;
    return static_cast<int>(hundredths);
}

namespace {

std::string FormatCourseCaption(int number, const std::string& section, int place, int size) {
    const int length =
        std::snprintf(nullptr, 0, text::kCourseCaption, number, section.c_str(), place, size);
    std::string out(length > 0 ? length : 0, '\0');
    std::snprintf(out.data(), out.size() + 1, text::kCourseCaption, number, section.c_str(), place,
                  size);
    return out;
}

}  // namespace

CTypingEngine::CTypingEngine(CZAVTypeDoc& doc, ITypingListener& listener, IClock& clock)
    : doc_(doc), listener_(listener), clock_(clock) {
    lineSource_ = [this] { return doc_.course.ExerciseLine(doc_.exercise); };
}

void CTypingEngine::Character(int code) {
    if (code < 32 || code > 255) return;
    // A key reaches the engine only with the focus; a paused clock goes on with it.
    ResumeClock();
    const auto typed = static_cast<unsigned char>(code);
    const std::size_t position = static_cast<std::size_t>(record_.letters);

    // An empty line can never be typed as written: its first key ends the turn, so the user is
    // never stuck on it, and auto-advance and the navigation commands work as on any line.
    if (sourceLine_.empty()) {
        FinishLine(false);
        listener_.ShowErrorLevel(record_.errors);
        listener_.Redraw(true);
        return;
    }

    if (typedText_.size() > position)
        typedText_[position] = static_cast<char>(typed);
    else
        typedText_.push_back(static_cast<char>(typed));

    const auto expected = static_cast<unsigned char>(sourceLine_[position]);
    bool full = false;
    if (typed == expected) {
        CorrectCharacter(expected);
        if (static_cast<std::size_t>(record_.letters) == sourceLine_.size()) {
            FinishLine(true);
            full = true;
        } else {
            listener_.ShowFingerFor(sourceLine_[record_.letters]);
        }
    } else {
        WrongCharacter(typed);
    }
    listener_.ShowErrorLevel(record_.errors);
    listener_.Redraw(full);
}

void CTypingEngine::CorrectCharacter(unsigned char expected) {
    pendingError_ = false;
    if (doc_.soundOn) {
        listener_.StopSound();
        listener_.PlaySound(Sound::Ok);
    }
    if (expected == ' ') ++record_.words;
    ++doc_.stats.letterCorrect[expected];
    keyTimes_.Correct(expected, clock_.Now());
    ++record_.letters;
    if (record_.letters == 1) StartTiming();
}

void CTypingEngine::WrongCharacter(unsigned char typed) {
    if (doc_.soundOn) listener_.PlaySound(Sound::Bad);
    if (pendingError_ || (record_.letters == 0 && typed == ' ')) return;
    const char expected = sourceLine_[record_.letters];
    pendingError_ = true;
    ++doc_.stats.letterErrors[static_cast<unsigned char>(expected)];
    if (record_.errorLetters.find(expected) == std::string::npos)
        record_.errorLetters.push_back(expected);
    currentMarks_.Add(record_.letters);
    ++record_.errors;
}

void CTypingEngine::StartTiming() {
    start_ = clock_.Now();
    timed_ = true;
    listener_.StartTimer();
    listener_.MarkModified();
}

TimeStamp CTypingEngine::TurnNow() {
    return paused_ ? pausedAt_ : clock_.Now();
}

void CTypingEngine::PauseClock() {
    if (!timed_ || paused_) return;
    pausedAt_ = clock_.Now();
    paused_ = true;
    listener_.StopTimer();
    ReportProgress();
}

void CTypingEngine::ResumeClock() {
    if (!paused_) return;
    paused_ = false;
    // The start moves on by the pause, so the elapsed time is still now minus start.
    const TimeStamp now = clock_.Now();
    const std::int64_t pause =
        (now.seconds - pausedAt_.seconds) * 1000 + (now.milliseconds - pausedAt_.milliseconds);
    const std::int64_t start =
        start_.seconds * 1000 + start_.milliseconds + std::max<std::int64_t>(pause, 0);
    start_ = {start / 1000, static_cast<int>(start % 1000)};
    if (timed_) listener_.StartTimer();
}

void CTypingEngine::ReportProgress() {
    if (timed_) record_.duration = ElapsedHundredths(start_, TurnNow());
    listener_.ShowTurnFigures(record_, turnNumber_);
}

void CTypingEngine::FinishLine(bool recorded) {
    if (!recorded) record_.duration = 0;
    ++turnNumber_;
    ReportProgress();
    listener_.StopTimer();
    timed_ = false;
    if (doc_.soundOn) listener_.PlaySound(Sound::Done);
    PushTurnHistory(record_.errors);
    if (recorded) {
        record_.duration = ElapsedHundredths(start_, TurnNow());
        record_.kind = doc_.kind;
        record_.exercise = doc_.exercise;
        doc_.AddTurn(record_);
        listener_.TurnRecorded(record_, keyTimes_);
    }
    const bool advance = listener_.AskAutoAdvance();
    listener_.RefreshGraph();
    // The rule never says yes on the last exercise; the bound is checked again all the same.
    if (advance && doc_.exercise + 1 < doc_.course.ExerciseCount()) {
        ++doc_.exercise;
        StartExercise();
    } else {
        BeginTurn();
    }
}

void CTypingEngine::PushTurnHistory(int errors) {
    for (int i = kHistoryLength - 1; i > 0; --i) turnHistory_[i] = turnHistory_[i - 1];
    turnHistory_[0] = errors;
    listener_.ShowTurnDiscs(turnHistory_);
}

void CTypingEngine::StartExercise() {
    turnNumber_ = 1;
    turnHistory_.fill(-1);
    listener_.ShowTurnDiscs(turnHistory_);
    // The figures of a turn of another exercise or document would only mislead.
    listener_.ClearTurnFigures(turnNumber_);
    currentMarks_.Clear();
    previousMarks_.Clear();
    olderMarks_.Clear();
    switch (doc_.kind) {
        case CourseExercise:
            listener_.PostExerciseHelp(doc_.exercise);
            SetCourseCaption();
            break;
        case ProblemLetters:
            statusText_ =
                doc_.slowLetters.empty() ? text::kProblemLettersCaption : text::kSlowLettersCaption;
            break;
        case LettersInOrder:
            statusText_ = text::kLettersInOrderCaption;
            break;
        case RandomLetters:
            statusText_ = text::kRandomLettersCaption;
            break;
        default:
            break;
    }
    BeginTurn();
}

void CTypingEngine::SetCourseCaption() {
    const CCourse& course = doc_.course;
    const int e = doc_.exercise;
    const int s = course.SectionOfExercise(e);
    const int first = course.SectionStart(s);
    statusText_ = FormatCourseCaption(e + 1, course.SectionTitleOfExercise(e), e - first + 1,
                                      course.SectionStart(s + 1) - first);
}

void CTypingEngine::BeginTurn() {
    listener_.StopTimer();
    timed_ = false;
    paused_ = false;
    record_.letters = 0;
    record_.errors = 0;
    record_.words = 0;
    record_.errorLetters.clear();
    keyTimes_.Clear();
    pendingError_ = false;
    sourceLine_ = lineSource_();
    typedText_.clear();
    listener_.Redraw(true);
    listener_.ShowFingerFor(sourceLine_.empty() ? '\0' : sourceLine_[0]);
    listener_.ShowLetterLists(doc_.LettersInRange(0.0f, doc_.goodLimit),
                              doc_.LettersInRange(doc_.badLimit, 100.0f));
    RollMarks();
}

void CTypingEngine::RollMarks() {
    if (doc_.kind == ProblemLetters || doc_.kind == RandomLetters) {
        currentMarks_.Clear();
        previousMarks_.Clear();
        olderMarks_.Clear();
        return;
    }
    olderMarks_.Merge(previousMarks_);
    previousMarks_.Clear();
    previousMarks_.Merge(currentMarks_);
    currentMarks_.Clear();
}

}  // namespace zav
