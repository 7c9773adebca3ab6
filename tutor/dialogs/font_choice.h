#pragma once
// The font chooser of the settings: Qt's own dialog without its writing-system selector, opened
// on the regular style of the current face.
#include <QFont>
#include <optional>

class QWidget;

namespace zav::ui {

// The face's regular style ("Book", "Regular", ...), or empty when the face has none.
QString RegularStyle(const QString& family);
std::optional<QFont> ChooseExerciseFont(const QFont& initial, QWidget* parent);

}  // namespace zav::ui
