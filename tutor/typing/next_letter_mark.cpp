#include "tutor/typing/next_letter_mark.h"

#include <QPainter>

namespace zav::ui {
namespace {

// How much of the mark's colour shows through the character's background.
constexpr int kCellAlpha = 40;

}  // namespace

void CNextLetterMark::KeepClean(const QImage& canvas, const QRect& box) {
    box_ = box & canvas.rect();
    clean_ = canvas.copy(box_);
    drawn_ = QRect();
}

QRect CNextLetterMark::Draw(QPainter& p, const QRect& cell, const QRect& underline,
                            const QColor& colour) {
    if (clean_.isNull()) return QRect();
    const QRect restored = drawn_;
    if (!restored.isEmpty())
        p.drawImage(restored.topLeft(), clean_, restored.translated(-box_.topLeft()));
    // A mark outside the kept box could not be given back later.
    drawn_ = (cell | underline) & box_;
    if (drawn_.isEmpty()) return restored;
    QColor faint = colour;
    faint.setAlpha(kCellAlpha);
    p.fillRect(cell & box_, faint);
    p.fillRect(underline & box_, colour);
    return restored | drawn_;
}

void CNextLetterMark::Forget() {
    clean_ = QImage();
    box_ = drawn_ = QRect();
}

}  // namespace zav::ui
