#pragma once
// Where a tool window opens next to the main window: never over it while there is room.
#include <QPoint>
#include <QRect>
#include <QSize>

namespace zav::ui {

// The top-left corner for a window of `size` beside `frame` (its outer rectangle): below it,
// else right of it, else left of it, else above it; where none fits, inside `screen` as close
// below as it can.
QPoint PlaceBeside(const QRect& frame, const QSize& size, const QRect& screen);

// Where a tool window the user left at `kept` (its outer rectangle) opens again: there, slid
// inside `screen`, unless it would then cover `clear` (the exercise); then beside `frame`.
QPoint PlaceKept(const QRect& kept, const QRect& frame, const QRect& clear, const QRect& screen);

}  // namespace zav::ui
