#pragma once
// The user's own choices that belong to no progress file, kept by the desktop under
// "Tallowmere Software" / "ZAVType Español": the recent files, the last folder, the window's place
// and the typing marks.
#include <QSettings>

#include "core/typing/typing_marks.h"

namespace zav::ui {

QSettings UserSettings();

// Both marks are on until the user switches them off.
TypingMarks LoadTypingMarks();
void SaveTypingMarks(const TypingMarks& marks);

}  // namespace zav::ui
