#include "tutor/app/window_place.h"

#include <algorithm>

namespace zav::ui {
namespace {

QPoint SlideInside(QPoint corner, const QSize& size, const QRect& screen) {
    corner.setX(std::clamp(corner.x(), screen.left(),
                           std::max(screen.left(), screen.right() + 1 - size.width())));
    corner.setY(std::clamp(corner.y(), screen.top(),
                           std::max(screen.top(), screen.bottom() + 1 - size.height())));
    return corner;
}

}  // namespace

QPoint PlaceBeside(const QRect& frame, const QSize& size, const QRect& screen) {
    const QPoint candidates[] = {
        {frame.left(), frame.bottom() + 1},
        {frame.right() + 1, frame.top()},
        {frame.left() - size.width(), frame.top()},
        {frame.left(), frame.top() - size.height()},
    };
    for (QPoint corner : candidates) {
        // Slide along the side it sits on, so that it stays on the screen.
        corner = SlideInside(corner, size, screen);
        if (screen.contains(QRect(corner, size)) && !QRect(corner, size).intersects(frame))
            return corner;
    }
    const int x = std::clamp(frame.left(), screen.left(), screen.right() + 1 - size.width());
    const int y = std::max(screen.top(), screen.bottom() + 1 - size.height());
    return {x, y};
}

QPoint PlaceKept(const QRect& kept, const QRect& frame, const QRect& clear, const QRect& screen) {
    const QPoint corner = SlideInside(kept.topLeft(), kept.size(), screen);
    if (!QRect(corner, kept.size()).intersects(clear)) return corner;
    return PlaceBeside(frame, kept.size(), screen);
}

}  // namespace zav::ui
