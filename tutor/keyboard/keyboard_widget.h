#pragma once
// A keyboard drawn from a keyboard map: every key in a fill colour of its own (the finger tint, or
// a heat colour), labelled with what it types at its levels, dead keys marked. Keys can be lit
// (the next key and the modifiers to hold) and flashed (a wrong key); a legend may stand under
// the keys. It paints straight onto the window and repaints only the keys that change: no picture
// of its own is kept, as a keyboard is over a megabyte of pixels.
#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

#include "core/keyboard/keyboard_map.h"

class QTimer;

namespace zav::ui {

// A colour scale under the keys: the colours from low to high and the texts at both ends.
struct KeyLegend {
    std::vector<QColor> stops;
    QString low, high, caption;
};

class CKeyboardWidget : public QWidget {
    Q_OBJECT

  public:
    explicit CKeyboardWidget(QWidget* parent = nullptr);
    ~CKeyboardWidget() override;

    void SetMap(std::shared_ptr<const CKeyboardMap> map);
    const CKeyboardMap* Map() const { return map_.get(); }
    std::shared_ptr<const CKeyboardMap> SharedMap() const { return map_; }
    // The fill of every key; a key without a valid colour is neutral.
    void SetKeyFills(std::vector<QColor> fills);
    // The key to press next (`main`), with the keys to hold while pressing it; the key that
    // follows a dead key gets a "2", the dead key a "1".
    void SetHighlight(std::vector<int> keys, int main, int following = -1);
    // Shows `key` in red for a moment.
    void Flash(int key);
    void SetLegend(const KeyLegend& legend);
    void SetToolTips(std::vector<QString> tips);

    int FlashedKey() const { return flashed_; }
    const std::vector<int>& Highlighted() const { return lit_; }
    // Where a key stands in the widget (its upper part for the ISO Return).
    QRect KeyRect(int key) const;
    // The keyboard as painted now, for the tests and the pictures of the documentation.
    QImage Rendered() const;

    QSize sizeHint() const override { return {640, 220}; }
    QSize minimumSizeHint() const override { return {300, 110}; }

    // The soft colour of finger 0..7 (8: the thumbs) used for the keys of that finger.
    static QColor FingerColor(int finger);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

  private:
    // The keys' size and place for the widget's size, then a repaint of everything.
    void DrawAll();
    // Asks for the repaint of `keys` only.
    void DrawKeys(const std::vector<int>& keys);
    // Paints what lies in `area`.
    void Paint(class QPainter& p, const QRegion& area) const;
    // What a key shows now.
    enum class Look { Plain, Held, Lit, Wrong, LitFirst, PlainSecond };
    Look LookOf(int key) const;
    QColor FillOf(int key, Look look) const;
    // The area a key covers (both parts of the ISO Return); it draws nothing outside it.
    QRect KeyArea(int key) const;
    void DrawKeyFace(QPainter& p, int key, Look look) const;
    void DrawLegend(QPainter& p) const;
    int KeyAt(const QPoint& point) const;

    std::shared_ptr<const CKeyboardMap> map_;
    std::vector<QColor> fills_;
    std::vector<int> lit_;
    int main_ = -1, following_ = -1, flashed_ = -1;
    KeyLegend legend_;
    std::vector<QString> tips_;
    QTimer* flashTimer_;
    double unit_ = 40;
    QPointF origin_;
};

}  // namespace zav::ui
