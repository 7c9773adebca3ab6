#include "tutor/app/window_place.h"

#include <algorithm>

namespace zav::ui {

QPoint PlaceBeside(const QRect& frame, const QSize& size, const QRect& screen) {
    const QPoint candidates[] = {
        {frame.left(), frame.bottom() + 1},
        {frame.right() + 1, frame.top()},
        {frame.left() - size.width(), frame.top()},
        {frame.left(), frame.top() - size.height()},
    };
    for (QPoint corner : candidates) {
        // Slide along the side it sits on, so that it stays on the screen.
        corner.setX(std::clamp(corner.x(), screen.left(), screen.right() + 1 - size.width()));
        corner.setY(std::clamp(corner.y(), screen.top(), screen.bottom() + 1 - size.height()));
        if (screen.contains(QRect(corner, size)) && !QRect(corner, size).intersects(frame))
            return corner;
    }
    const int x = std::clamp(frame.left(), screen.left(), screen.right() + 1 - size.width());
    const int y = std::max(screen.top(), screen.bottom() + 1 - size.height());
    return {x, y};
}

}  // namespace zav::ui
