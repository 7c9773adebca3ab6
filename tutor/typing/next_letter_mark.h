#pragma once
// The mark of the next character in the line to copy: a faint background under the character
// and a line beneath it. The line to copy is drawn only by full redraws, so the mark keeps a
// copy of the box as drawn and gives back the pixels it covered each time it moves.
#include <QColor>
#include <QImage>
#include <QRect>

class QPainter;

namespace zav::ui {

class CNextLetterMark {
  public:
    // After a full redraw: `box` of `canvas` holds the line to copy without a mark.
    void KeepClean(const QImage& canvas, const QRect& box);
    // Gives back the pixels of the last mark, then marks `cell` (none when empty) with
    // `colour`: translucent over the cell, solid in `underline`. Returns the pixels changed.
    QRect Draw(QPainter& p, const QRect& cell, const QRect& underline, const QColor& colour);
    // Forgets the kept box, until the next KeepClean.
    void Forget();

  private:
    QImage clean_;
    QRect box_;
    QRect drawn_;
};

}  // namespace zav::ui
