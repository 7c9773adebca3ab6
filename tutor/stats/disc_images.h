#pragma once
// The disc pictures of the exercise bar, drawn here rather than loaded: a coloured disc with a
// small highlight at its upper left on the face colour, large for the turn in progress and
// small for the last turns; the blank disc is the face colour alone.
#include <QPixmap>

#include "core/stats/bar_text.h"

namespace zav::ui {

enum class DiscSize { Large, Small };

QPixmap DiscPixmap(Disc disc, DiscSize size);
// The colour of a disc's face; the face colour of the bar for the blank disc.
QColor DiscColour(Disc disc);

}  // namespace zav::ui
