#include "tutor/stats/disc_images.h"

#include <QPainter>

namespace zav::ui {
namespace {

const QColor kFace(0xc0, 0xc0, 0xc0);

}  // namespace

QColor DiscColour(Disc disc) {
    switch (disc) {
        case Disc::Green:
            return QColor(0x00, 0xff, 0x00);
        case Disc::Yellow:
            return QColor(0xff, 0xff, 0x00);
        case Disc::Red:
            return QColor(0xff, 0x00, 0x00);
        case Disc::Blank:
            break;
    }
    return kFace;
}

QPixmap DiscPixmap(Disc disc, DiscSize size) {
    const QSize box = size == DiscSize::Large ? QSize(28, 28) : QSize(18, 17);
    QPixmap pixmap(box);
    pixmap.fill(kFace);
    if (disc == Disc::Blank) return pixmap;

    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const int d = std::min(box.width(), box.height()) - 3;
    const QRectF circle((box.width() - d) / 2.0, (box.height() - d) / 2.0, d, d);
    p.setPen(QPen(DiscColour(disc).darker(170), 1.0));
    p.setBrush(DiscColour(disc));
    p.drawEllipse(circle);
    // The highlight: a small white spot a quarter in from the upper left.
    const qreal spot = d / 5.0;
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(
        QRectF(circle.left() + d / 4.0 - spot / 2, circle.top() + d / 4.0 - spot / 2, spot, spot));
    return pixmap;
}

}  // namespace zav::ui
