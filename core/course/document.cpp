#include "core/course/document.h"

#include <algorithm>

#include "core/app/config.h"

namespace zav {

void CZAVTypeDoc::ApplyNew(const CConfig& config) {
    confirmAdvance = config.auto_check;
    fontName = config.font_name;
    fontSize = config.font_size;
    keyboardLayout = 0;
    goodLimit = 0.1f;
    badLimit = 0.2f;
    autoAdvance = config.auto_advance;
    autoNum = config.auto_num;
    autoType = config.auto_type;
    soundOn = config.audio == AudioMode::On;
    kind = CourseExercise;
    exercise = 0;
    okThreshold = config.ok_thresh;
    ResetStats();
}

void CZAVTypeDoc::AddTurn(const CTurnRecord& record) {
    auto& history = stats.history;
    std::move_backward(history.begin(), history.end() - 1, history.end());
    history[0] = record;
    stats.historyCount =
        std::min(std::max(stats.historyCount, 0) + 1, CProgressStats::kHistorySize);
}

std::string CZAVTypeDoc::LettersInRange(float low, float high) const {
    std::string letters;
    for (int code = 0; code < 256; ++code) {
        if (code == ' ' || stats.letterCorrect[code] <= 0) continue;
        // The ratio in the limits' own single precision, so that a ratio equal to a limit (1 in 5
        // against 0.2) lies in the range.
        const float ratio = static_cast<float>(stats.letterErrors[code]) /
                            static_cast<float>(stats.letterCorrect[code]);
        if (low <= ratio && ratio <= high) letters.push_back(static_cast<char>(code));
    }
    return letters;
}

void CZAVTypeDoc::FitOpenedFile(int layoutCount) {
    exercise = std::clamp(exercise, 0, std::max(course.ExerciseCount() - 1, 0));
    if (keyboardLayout < 0 || keyboardLayout >= layoutCount) keyboardLayout = 0;
}

void CZAVTypeDoc::ResetStats() {
    stats.letterErrors.fill(0);
    stats.letterCorrect.fill(0);
    stats.historyCount = 0;
}

}  // namespace zav
