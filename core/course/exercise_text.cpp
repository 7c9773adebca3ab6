#include "core/course/exercise_text.h"

#include <utility>

#include "core/app/strings.h"
#include "core/course/document.h"
#include "core/course/random.h"
#include "core/fingers/finger_layout.h"

namespace zav {

std::string BuildDrill(std::string letters, bool includeExtraLetters, CRandom& random,
                       const CFingerTable* fingers) {
    if (letters.empty()) letters = text::kDrillFallback;
    if (includeExtraLetters && fingers != nullptr) letters = fingers->AddExtraLetters(letters);

    const auto n = static_cast<int>(letters.size());
    std::string drill;
    drill.reserve(kDrillLength + letters.size());
    while (drill.size() < static_cast<std::size_t>(kDrillLength)) {
        // Each pass shuffles the order the previous one left.
        for (int i = 0; i < n; ++i) {
            const int a = random.Draw() % n;
            const int b = random.Draw() % n;
            std::swap(letters[a], letters[b]);
        }
        if (!drill.empty()) drill += ' ';
        drill += letters;
    }
    drill.resize(kDrillLength);
    return drill;
}

std::string ExerciseText(const CZAVTypeDoc& doc, CRandom& random, const CFingerTable* fingers) {
    const bool extra = doc.includeExtraLetters;
    switch (doc.kind) {
        case CourseExercise:
            return doc.course.ExerciseLine(doc.exercise);
        case LettersInOrder:
            return doc.inOrderText;
        case ProblemLetters:
            if (!doc.slowLetters.empty())
                return BuildDrill(doc.slowLetters, extra, random, fingers);
            return BuildDrill(doc.LettersInRange(doc.badLimit, kDrillProblemHigh), extra, random,
                              fingers);
        case RandomLetters:
            return BuildDrill(doc.anyOrderLetters, extra, random, fingers);
        default:
            return BuildDrill({}, extra, random, fingers);
    }
}

}  // namespace zav
