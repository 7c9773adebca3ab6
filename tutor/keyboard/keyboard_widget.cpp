#include "tutor/keyboard/keyboard_widget.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QToolTip>
#include <algorithm>

namespace zav::ui {
namespace {

constexpr double kKeysWide = 15;
constexpr double kRows = 5;
constexpr double kLegendRows = 0.9;
const QColor kBackground(0x3a, 0x3f, 0x47);
const QColor kNeutral(0xe6, 0xe6, 0xe6);
const QColor kLit(0x1d, 0x5c, 0xc4);
const QColor kHeld(0x8d, 0xb3, 0xef);
const QColor kWrong(0xd6, 0x35, 0x35);
const QColor kDeadText(0xb0, 0x3a, 0x00);

QString RoleText(KeyRole role, bool altGr) {
    switch (role) {
        case KeyRole::Backspace:
            return QStringLiteral("\u232B");
        case KeyRole::Tab:
            return QStringLiteral("Tab \u21E5");
        case KeyRole::Caps:
            return QCoreApplication::translate("CKeyboardWidget", "Bloq Mayús");
        case KeyRole::Return:
            return QCoreApplication::translate("CKeyboardWidget", "Intro ↵");
        case KeyRole::Shift:
            return QCoreApplication::translate("CKeyboardWidget", "⇧ Mayús");
        case KeyRole::Control:
            return QStringLiteral("Ctrl");
        case KeyRole::Super:
            return QStringLiteral("Super");
        case KeyRole::Alt:
            return QStringLiteral("Alt");
        case KeyRole::AltGr:
            return altGr ? QStringLiteral("Alt Gr") : QStringLiteral("Alt");
        case KeyRole::Menu:
            return QCoreApplication::translate("CKeyboardWidget", "Menú");
        case KeyRole::Character:
        case KeyRole::Space:
            break;
    }
    return {};
}

}  // namespace

CKeyboardWidget::CKeyboardWidget(QWidget* parent) : QWidget(parent), flashTimer_(new QTimer(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    flashTimer_->setSingleShot(true);
    flashTimer_->setInterval(350);
    connect(flashTimer_, &QTimer::timeout, this, [this] {
        const int key = flashed_;
        flashed_ = -1;
        DrawKeys({key});
    });
}

CKeyboardWidget::~CKeyboardWidget() = default;

QColor CKeyboardWidget::FingerColor(int finger) {
    // Mirror images: both pinkies pink, both ring fingers orange and so on, soft enough for
    // black labels; the thumbs grey-blue.
    static const QColor kColors[9] = {{0xf5, 0xb5, 0xc4}, {0xf7, 0xcf, 0x9e}, {0xf3, 0xe9, 0x9a},
                                      {0xb9, 0xe2, 0xa6}, {0xa6, 0xdc, 0xcf}, {0xb4, 0xcd, 0xf4},
                                      {0xd4, 0xbf, 0xf0}, {0xf0, 0xbb, 0xe4}, {0xcd, 0xd6, 0xe2}};
    return finger >= 0 && finger < 9 ? kColors[finger] : kNeutral;
}

void CKeyboardWidget::SetMap(std::shared_ptr<const CKeyboardMap> map) {
    map_ = std::move(map);
    fills_.clear();
    lit_.clear();
    tips_.clear();
    main_ = following_ = flashed_ = -1;
    DrawAll();
}

void CKeyboardWidget::SetKeyFills(std::vector<QColor> fills) {
    fills_ = std::move(fills);
    DrawAll();
}

void CKeyboardWidget::SetHighlight(std::vector<int> keys, int main, int following) {
    if (keys == lit_ && main == main_ && following == following_) return;
    std::vector<int> changed = lit_;
    if (following_ >= 0) changed.push_back(following_);
    lit_ = std::move(keys);
    main_ = main;
    following_ = following;
    changed.insert(changed.end(), lit_.begin(), lit_.end());
    if (following_ >= 0) changed.push_back(following_);
    DrawKeys(changed);
}

void CKeyboardWidget::Flash(int key) {
    const int previous = flashed_;
    flashed_ = key;
    DrawKeys({previous, key});
    flashTimer_->start();
}

void CKeyboardWidget::SetLegend(const KeyLegend& legend) {
    legend_ = legend;
    DrawAll();
}

void CKeyboardWidget::SetToolTips(std::vector<QString> tips) {
    tips_ = std::move(tips);
}

CKeyboardWidget::Look CKeyboardWidget::LookOf(int key) const {
    if (key == flashed_) return Look::Wrong;
    if (key == main_) return following_ >= 0 ? Look::LitFirst : Look::Lit;
    if (key == following_) return Look::PlainSecond;
    if (std::find(lit_.begin(), lit_.end(), key) != lit_.end()) return Look::Held;
    return Look::Plain;
}

QColor CKeyboardWidget::FillOf(int key, Look look) const {
    switch (look) {
        case Look::Wrong:
            return kWrong;
        case Look::Lit:
        case Look::LitFirst:
            return kLit;
        case Look::Held:
            return kHeld;
        case Look::Plain:
        case Look::PlainSecond:
            break;
    }
    if (key < static_cast<int>(fills_.size()) && fills_[key].isValid()) return fills_[key];
    return kNeutral;
}

QRect CKeyboardWidget::KeyRect(int key) const {
    if (!map_ || key < 0 || key >= static_cast<int>(map_->Keys().size())) return {};
    const KeyCap& cap = map_->Keys()[key];
    const double gap = std::max(1.0, unit_ * 0.05);
    return QRectF(origin_.x() + cap.x * unit_ + gap, origin_.y() + cap.row * unit_ + gap,
                  cap.width * unit_ - 2 * gap, unit_ - 2 * gap)
        .toAlignedRect();
}

void CKeyboardWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    DrawAll();
}

void CKeyboardWidget::DrawAll() {
    const double rows = kRows + (legend_.stops.empty() ? 0 : kLegendRows);
    unit_ = std::max(4.0, std::min((width() - 8) / kKeysWide, (height() - 8) / rows));
    origin_ = QPointF((width() - unit_ * kKeysWide) / 2, (height() - unit_ * rows) / 2);
    update();
}

QRect CKeyboardWidget::KeyArea(int key) const {
    QRect area = KeyRect(key);
    if (map_->Keys()[key].lowerWidth > 0) area = area.united(area.translated(0, qRound(unit_)));
    return area;
}

void CKeyboardWidget::DrawKeys(const std::vector<int>& keys) {
    if (!map_) return update();
    QRegion dirty;
    for (int key : keys)
        if (key >= 0 && key < static_cast<int>(map_->Keys().size())) dirty += KeyArea(key);
    update(dirty);
}

void CKeyboardWidget::Paint(QPainter& p, const QRegion& area) const {
    for (const QRect& part : area) p.fillRect(part, kBackground);
    p.setRenderHint(QPainter::Antialiasing);
    // A keystroke repaints the keys it changed, not all the keys between them.
    if (map_)
        for (int key = 0; key < static_cast<int>(map_->Keys().size()); ++key)
            if (area.intersects(KeyArea(key))) DrawKeyFace(p, key, LookOf(key));
    DrawLegend(p);
}

QImage CKeyboardWidget::Rendered() const {
    QImage image(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    QPainter p(&image);
    Paint(p, QRegion(image.rect()));
    return image;
}

void CKeyboardWidget::DrawKeyFace(QPainter& p, int key, Look look) const {
    const KeyCap& cap = map_->Keys()[key];
    const QRectF box = KeyRect(key);
    const double radius = unit_ * 0.12;
    const bool lit = look == Look::Lit || look == Look::LitFirst;
    const double penWidth = lit ? 2.5 : 1;
    // The outline runs inside the key's rectangle: a key never draws over its neighbours, so a
    // keystroke repaints the keys it changed and nothing around them.
    const double inset = penWidth / 2;
    QPainterPath shape;
    shape.addRoundedRect(box.adjusted(inset, inset, -inset, -inset), radius, radius);
    if (cap.lowerWidth > 0) {
        // The ISO Return reaches into the row below, narrower there.
        const double gap = std::max(1.0, unit_ * 0.05);
        QPainterPath lower;
        lower.addRoundedRect(QRectF(origin_.x() + cap.lowerX * unit_ + gap, box.top() + unit_ * 0.5,
                                    cap.lowerWidth * unit_ - 2 * gap, unit_ * 1.5 - 2 * gap)
                                 .adjusted(inset, inset, -inset, -inset),
                             radius, radius);
        shape = shape.united(lower);
    }
    const QColor fill = FillOf(key, look);
    p.setBrush(fill);
    p.setPen(QPen(fill.darker(lit ? 160 : 125), penWidth));
    p.drawPath(shape);

    const bool strong = lit || look == Look::Wrong;
    const QColor ink = strong ? Qt::white : QColor(0x20, 0x20, 0x20);
    // Every key starts from the widget's font: one key's bold number must not reach the next.
    QFont font = this->font();
    font.setPixelSize(std::max(6, qRound(unit_ * 0.3)));
    p.setFont(font);
    const QRectF inner = box.adjusted(unit_ * 0.1, unit_ * 0.04, -unit_ * 0.1, -unit_ * 0.04);
    if (cap.role != KeyRole::Character) {
        font.setPixelSize(std::max(6, qRound(unit_ * 0.24)));
        p.setFont(font);
        p.setPen(ink);
        p.drawText(inner, Qt::AlignCenter | Qt::TextWordWrap, RoleText(cap.role, map_->HasAltGr()));
    } else {
        const KeyLabels& labels = map_->Labels(key);
        const QString plain = QString::fromStdString(labels.text[0]);
        const QString shifted = QString::fromStdString(labels.text[1]);
        // A letter shows its capital only, as printed on the keys.
        const bool letter =
            plain.size() == 1 && plain.at(0).isLetter() && shifted == plain.toUpper();
        struct Slot {
            int level;
            Qt::Alignment align;
        };
        const Slot places[] = {{1, Qt::AlignLeft | Qt::AlignTop},
                               {0, Qt::AlignLeft | Qt::AlignBottom},
                               {2, Qt::AlignRight | Qt::AlignBottom},
                               {3, Qt::AlignRight | Qt::AlignTop}};
        for (const Slot& slot : places) {
            QString text = QString::fromStdString(labels.text[slot.level]);
            if (text.isEmpty() || (letter && slot.level == 0)) continue;
            const bool small = slot.level >= 2;
            font.setPixelSize(std::max(6, qRound(unit_ * (letter && slot.level == 1 ? 0.38
                                                          : small                   ? 0.24
                                                                                    : 0.3))));
            p.setFont(font);
            p.setPen(labels.dead[slot.level] && !strong ? kDeadText : ink);
            Qt::Alignment align = slot.align;
            if (letter && slot.level == 1) align = Qt::AlignLeft | Qt::AlignVCenter;
            p.drawText(inner, align, text);
            if (labels.dead[slot.level]) {
                // A dead key's accent is coloured and underlined: it types nothing alone. Not in
                // bold: the bold face would be loaded for these few marks alone.
                const QRectF where = p.boundingRect(inner, align, text);
                p.drawLine(
                    QLineF(where.left(), where.bottom() - 1, where.right(), where.bottom() - 1));
            }
        }
    }
    if (look == Look::LitFirst || look == Look::PlainSecond) {
        // Numbers on a dead-key sequence: "1" the dead key, "2" the key after it.
        const bool first = look == Look::LitFirst;
        font.setPixelSize(std::max(6, qRound(unit_ * 0.22)));
        font.setBold(true);
        p.setFont(font);
        p.setPen(first ? QColor(Qt::white) : kLit);
        p.drawText(inner, Qt::AlignHCenter | Qt::AlignTop,
                   first ? QStringLiteral("1") : QStringLiteral("2"));
    }
}

void CKeyboardWidget::DrawLegend(QPainter& p) const {
    if (legend_.stops.empty()) return;
    const double top = origin_.y() + kRows * unit_ + unit_ * 0.2;
    const double left = origin_.x() + unit_ * 3, wide = unit_ * 9, high = unit_ * 0.3;
    QLinearGradient gradient(left, 0, left + wide, 0);
    const int n = static_cast<int>(legend_.stops.size());
    for (int i = 0; i < n; ++i)
        gradient.setColorAt(n == 1 ? 0 : double(i) / (n - 1), legend_.stops[i]);
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawRect(QRectF(left, top, wide, high));
    QFont font = p.font();
    font.setPixelSize(std::max(6, qRound(unit_ * 0.26)));
    p.setFont(font);
    p.setPen(Qt::white);
    const QRectF band(origin_.x(), top - unit_ * 0.1, unit_ * kKeysWide, high + unit_ * 0.2);
    p.drawText(QRectF(band.left(), band.top(), unit_ * 2.9, band.height()),
               Qt::AlignRight | Qt::AlignVCenter, legend_.low);
    p.drawText(QRectF(left + wide + unit_ * 0.1, band.top(), unit_ * 3, band.height()),
               Qt::AlignLeft | Qt::AlignVCenter, legend_.high);
    p.drawText(QRectF(left, top + high, wide, unit_ * 0.4), Qt::AlignCenter, legend_.caption);
}

void CKeyboardWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    Paint(p, event->region());
}

int CKeyboardWidget::KeyAt(const QPoint& point) const {
    if (!map_) return -1;
    for (int key = 0; key < static_cast<int>(map_->Keys().size()); ++key)
        if (KeyRect(key).contains(point)) return key;
    return -1;
}

bool CKeyboardWidget::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int key = KeyAt(help->pos());
        if (key >= 0 && key < static_cast<int>(tips_.size()) && !tips_[key].isEmpty())
            QToolTip::showText(help->globalPos(), tips_[key], this, KeyRect(key));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

}  // namespace zav::ui
