#include "shared/user_settings.h"

#include "core/app/strings.h"
#include "shared/qt_text.h"

namespace zav::ui {
namespace {

const QString kNextLetterKey = QStringLiteral("Typing/MarkNextLetter");
const QString kWrongKeyKey = QStringLiteral("Typing/ColourErrors");

}  // namespace

QSettings UserSettings() {
    return QSettings(FromCp1252(text::kOrganization), FromCp1252(text::kAppName));
}

TypingMarks LoadTypingMarks() {
    const QSettings store = UserSettings();
    const TypingMarks defaults;
    // Anything but "false", "0" or an empty value leaves a mark on.
    return {store.value(kNextLetterKey, defaults.nextLetter).toBool(),
            store.value(kWrongKeyKey, defaults.wrongKey).toBool()};
}

void SaveTypingMarks(const TypingMarks& marks) {
    QSettings store = UserSettings();
    store.setValue(kNextLetterKey, marks.nextLetter);
    store.setValue(kWrongKeyKey, marks.wrongKey);
}

}  // namespace zav::ui
