#include "tutor/typing/zavtype_view.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

#include "core/course/exercise_text.h"
#include "core/typing/navigation.h"
#include "shared/qt_text.h"

namespace zav::ui {
namespace {

constexpr int kMargin = 50;  // boxes from the window's left and right edges
constexpr int kTextLeft = 55;
constexpr int kCaptionTop = 10;
constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
// How much of the mark's colour shows through the next character's background.
constexpr int kCellAlpha = 40;

// A one-pixel frame in the manner of a 3-D rectangle: top and left edges in one colour, bottom
// and right edges in the other; `box` is right- and bottom-exclusive.
void Draw3dRect(QPainter& p, const QRect& box, const QColor& topLeft, const QColor& bottomRight) {
    const int l = box.left(), t = box.top(), r = box.left() + box.width() - 1,
              b = box.top() + box.height() - 1;
    p.fillRect(QRect(l, t, box.width() - 1, 1), topLeft);
    p.fillRect(QRect(l, t, 1, box.height() - 1), topLeft);
    p.fillRect(QRect(r, t, 1, box.height()), bottomRight);
    p.fillRect(QRect(l, b, box.width(), 1), bottomRight);
}

// The light background of a wrong key: a fifth of the error colour over the box.
QColor Tint(const QColor& box, const QColor& error) {
    auto mix = [](int a, int b) { return (4 * a + b) / 5; };
    return QColor(mix(box.red(), error.red()), mix(box.green(), error.green()),
                  mix(box.blue(), error.blue()));
}

// An ellipse that fills exactly the pixels of a box `size` wide centred on (x, y), outlined black.
void DrawMark(QPainter& p, int x, int y, int size) {
    const int half = size / 2;
    p.drawEllipse(QRect(x - half, y - half, size - 1, size - 1));
}

}  // namespace

CZAVTypeView::CZAVTypeView(const CConfig& config, CZAVTypeDoc& doc, ITypingListener& listener,
                           QWidget* parent)
    : QWidget(parent),
      config_(config),
      doc_(doc),
      listener_(listener),
      engine_(doc, listener, clock_) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setAttribute(Qt::WA_OpaquePaintEvent);
    timer_.setInterval(250);
    connect(&timer_, &QTimer::timeout, this, [this] { engine_.Tick(); });
    engine_.SetLineSource([this] { return ExerciseText(doc_, random_, fingers_); });
    RefreshFont();
}

void CZAVTypeView::SetTypingMarks(const TypingMarks& marks) {
    marks_ = marks;
    DrawExercise(true);
}

void CZAVTypeView::RefreshFont() {
    font_ = QFont(FromCp1252(doc_.fontName));
    font_.setPointSizeF(doc_.fontSize > 0 ? doc_.fontSize / 10.0 : 12.0);
    layoutValid_ = false;
    // The caption above the boxes and as much room below them: the boxes sit in the middle,
    // and no bar squeezes the exercise away.
    setMinimumHeight(2 * (kCaptionTop + QFontMetrics(font_).height() + 5 + BoxHeight()));
}

int CZAVTypeView::BoxHeight() const {
    // Forty pixels hold the usual fonts; a larger one gets its line and the same 5-pixel rims.
    return std::max(40, QFontMetrics(font_).height() + 10);
}

QString CZAVTypeView::StatusText() const {
    return FromCp1252(engine_.StatusText());
}

CZAVTypeView::Boxes CZAVTypeView::Layout() const {
    const int right = width(), mid = Mid(), box = BoxHeight();
    return {QRect(kMargin, mid - 5 - box, right - 2 * kMargin, box),
            QRect(kMargin, mid + 5, right - 2 * kMargin, box),
            QRect(kTextLeft, mid - box, right - kMargin - kTextLeft, box - 10),
            QRect(kTextLeft, mid + 10, right - kMargin - kTextLeft, box - 10),
            QRect(0, mid + 5, right, box)};
}

// A keystroke changes the typing box only around the caret: from a little before where the last
// one stood to a little after the new character; the mark of the next letter where it was and
// where it goes; the row of the error marks when one is added. Only those pixels are painted
// again. Where the columns take in the box's right edge, whose frame the text's background
// covers once the text reaches it, the whole box is.
void CZAVTypeView::DrawExercise(bool full) {
    // A hidden view paints nothing: being shown paints it whole, at the size it is shown at.
    if (!isVisible()) {
        drawnPosition_ = -1;
        return;
    }
    const Boxes boxes = Layout();
    const int right = width(), mid = Mid();
    const int position = engine_.Position();
    const qreal x1 = PrefixX(position);
    const qreal x2 = PrefixX(position + 1);
    const int oldCaretX = caretX_;
    caretX_ = kTextLeft + static_cast<int>(x1);
    const QRect letter = marks_.nextLetter ? NextLetterArea(boxes, x1, x2) : QRect();
    const int markCount = engine_.CurrentMarks().Count();

    if (full || drawnPosition_ < 0) {
        update();
    } else {
        QRect changed = boxes.typingRow;
        if (drawnPosition_ <= position) {
            const int from =
                std::min(kTextLeft + qFloor(PrefixX(drawnPosition_)), oldCaretX) - margin_;
            const int to = std::max(kTextLeft + qCeil(x2), caretX_) + 2 * margin_;
            changed.setLeft(std::max(0, from));
            changed.setRight(std::min(right - 1, to));
            const int edge = boxes.typing.right();
            if (!changed.isEmpty() && changed.left() <= edge && changed.right() >= edge)
                changed = boxes.typingRow;
        }
        QRegion dirty = changed.isEmpty() ? QRegion() : QRegion(changed);
        dirty += drawnLetter_ | letter;
        if (markCount != drawnMarks_) dirty += QRect(0, mid - 5, right, 11);
        update(dirty);
    }
    drawnPosition_ = position;
    drawnLetter_ = letter;
    drawnMarks_ = markCount;
}

void CZAVTypeView::Paint(QPainter& p, const QRect& area) {
    const Boxes boxes = Layout();
    const int right = width(), bottom = height(), mid = Mid();
    const QColor background = FromColorRef(config_.col_bgnd);
    p.setFont(font_);
    p.setBackgroundMode(Qt::OpaqueMode);
    p.fillRect(area, background);
    Draw3dRect(p, boxes.upper, FromColorRef(config_.col_top_tl), FromColorRef(config_.col_top_br));
    p.setBackground(background);
    p.setPen(FromColorRef(config_.col_status));
    const int lineHeight = QFontMetrics(font_).height();
    const QRect caption(10, kCaptionTop, right, lineHeight);
    if (area.intersects(caption))
        p.drawText(caption, Qt::AlignLeft | Qt::AlignTop, FromCp1252(engine_.StatusText()));
    const QRect affiliation(10, bottom - 30, right, lineHeight);
    if (!config_.affiliation.empty() && area.intersects(affiliation))
        p.drawText(affiliation, Qt::AlignLeft | Qt::AlignTop, FromCp1252(config_.affiliation));
    if (area.intersects(boxes.upper)) {
        p.setPen(FromColorRef(config_.col_srce));
        p.drawText(boxes.upperText, kTextFlags, FromCp1252(engine_.SourceLine()));
    }

    // The typed text is drawn from the first word that reaches into the area, unless the area
    // spans the box.
    if (area.intersects(boxes.typing)) {
        const bool across = area.left() <= 0 && area.right() >= right - 1;
        const QRect columns = across ? QRect() : QRect(area.left(), 0, area.width(), bottom);
        if (!DrawTypingColumns(p, boxes.typing, boxes.typingText, columns)) {
            // The text's clipping changed: drawn whole, and whole everywhere else too.
            DrawTypingColumns(p, boxes.typing, boxes.typingText, QRect());
            update(boxes.typingRow);
        }
    }
    p.setBackgroundMode(Qt::TransparentMode);
    if (marks_.nextLetter && area.intersects(boxes.upper)) DrawNextLetter(p, boxes);

    if (area.intersects(QRect(0, mid - 5, right, 11))) {
        p.setPen(Qt::black);
        p.setBrush(Qt::black);
        for (int mark : engine_.OlderMarks()) DrawMark(p, kTextLeft + MarkX(mark), mid, 4);
        p.setBrush(FromColorRef(config_.col_blobs));
        for (int mark : engine_.PreviousMarks()) DrawMark(p, kTextLeft + MarkX(mark), mid, 6);
        for (int mark : engine_.CurrentMarks()) DrawMark(p, kTextLeft + MarkX(mark), mid, 8);
    }
}

QImage CZAVTypeView::Rendered() {
    QImage image(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    QPainter p(&image);
    Paint(p, rect());
    return image;
}

QString CZAVTypeView::ShownTypedText() const {
    const std::string& typed = engine_.TypedText();
    const auto position = static_cast<std::size_t>(engine_.Position());
    // With the wrong-key mark a wrong character is drawn on its own, in the error colour.
    return FromCp1252(marks_.wrongKey && typed.size() > position ? typed.substr(0, position)
                                                                 : typed);
}

bool CZAVTypeView::DrawTypingColumns(QPainter& p, const QRect& box, const QRect& text,
                                     const QRect& columns) {
    const QColor boxColor = FromColorRef(config_.col_box);
    const bool whole = columns.isNull();
    // The clip goes with the painter's saved state: a painter that has clipped draws the
    // marks' ellipses by another path, a pixel apart.
    p.save();
    if (!whole) p.setClipRect(columns);
    p.fillRect(box, boxColor);
    Draw3dRect(p, box, FromColorRef(config_.col_bottom_tl), FromColorRef(config_.col_bottom_br));
    p.setBackground(boxColor);
    p.setPen(FromColorRef(config_.col_ex));
    const QString typed = ShownTypedText();
    QRectF bounds;
    if (whole) {
        p.drawText(QRectF(text), kTextFlags, typed, &bounds);
    } else if (!typed.isEmpty() && columns.left() <= text.right()) {
        // The typed characters are the line's own, so the words before the caret stand where
        // the line's layout puts them: only the words that reach into the columns are drawn,
        // from the start of a word, where shaping does not depend on what comes before.
        int first = static_cast<int>(typed.size());
        while (first > 0 && text.left() + PrefixX(first) + margin_ > columns.left()) --first;
        while (first > 0 && typed.at(first - 1) != QLatin1Char(' ')) --first;
        const qreal left = text.left() + PrefixX(first);
        const QRectF place(left, text.top(), text.right() + 1 - left, text.height());
        // The whole text is clipped to its rectangle only when it does not fit there.
        p.save();
        if (textClipped_) p.setClipRect(text, Qt::IntersectClip);
        p.setBackgroundMode(Qt::TransparentMode);
        p.drawText(place, kTextFlags | Qt::TextDontClip, typed.mid(first), &bounds);
        p.restore();
        if (bounds.width() > 0)
            bounds.setLeft(text.left());
        else
            bounds = QRectF();
    }
    const bool clipped = !typed.isEmpty() && !bounds.isNull() && !QRectF(text).contains(bounds);
    if (!whole) {
        if (!typed.isEmpty() && !bounds.isNull() && clipped != textClipped_) {
            p.restore();
            return false;
        }
    } else {
        textClipped_ = clipped;
    }
    if (marks_.wrongKey &&
        engine_.TypedText().size() > static_cast<std::size_t>(engine_.Position()))
        DrawWrongKey(p, text, PrefixX(engine_.Position()));

    p.setBackgroundMode(Qt::TransparentMode);
    if (focus_) {
        const int x = caretX_;
        const int mid = Mid();
        const int bottom = mid + BoxHeight();
        p.setPen(FromColorRef(config_.col_caret));
        p.drawLine(x, bottom, x, mid + 11);
        if (config_.cursor_shape) {
            p.drawLine(x - 5, bottom, x + 4, bottom);
            p.drawLine(x - 5, mid + 10, x + 4, mid + 10);
        }
    }
    p.restore();
    return true;
}

// Drawn on its own after the correct prefix, at the place the whole text would put it.
void CZAVTypeView::DrawWrongKey(QPainter& p, const QRect& text, qreal x) {
    const QColor error = FromColorRef(config_.col_err);
    p.setBackground(Tint(FromColorRef(config_.col_box), error));
    p.setPen(error);
    const QRectF place(text.left() + x, text.top(), std::max<qreal>(0, text.width() - x),
                       text.height());
    p.drawText(place, kTextFlags, FromCp1252(engine_.TypedText().substr(engine_.Position(), 1)));
}

// The cell spans the character's advance and the font's line in the text area, with the
// underline just below the baseline; both stay inside the box's frame whatever the font.
CZAVTypeView::LetterMark CZAVTypeView::NextLetter(const Boxes& boxes, qreal left, qreal right) {
    if (engine_.Position() >= static_cast<int>(engine_.SourceLine().size())) return {};
    const QRect& text = boxes.upperText;
    const QFontMetricsF metrics(font_);
    const QRect inside = boxes.upper.adjusted(1, 1, -1, -1);
    const qreal lineTop = text.top() + (text.height() - metrics.height()) / 2;
    const int thickness = std::max(2, qRound(metrics.lineWidth()));
    int y = qRound(lineTop + metrics.ascent() + std::max<qreal>(1, metrics.underlinePos()));
    y = std::min(y, inside.bottom() + 1 - thickness);
    const int x0 = text.left() + qFloor(left);
    const int x1 = std::max(x0 + 1, text.left() + qCeil(right));
    const QRect underline = QRect(x0, y, x1 - x0, thickness) & inside;
    const QRect cell =
        QRect(QPoint(x0, qFloor(lineTop)),
              QPoint(x1 - 1, std::max(qCeil(lineTop + metrics.height()), y + thickness) - 1)) &
        inside;
    return {cell, underline};
}

QRect CZAVTypeView::NextLetterArea(const Boxes& boxes, qreal left, qreal right) {
    const LetterMark mark = NextLetter(boxes, left, right);
    return mark.cell | mark.underline;
}

// A faint background under the next character of the line to copy and a line beneath it, in
// the error colour while a wrong key waits.
void CZAVTypeView::DrawNextLetter(QPainter& p, const Boxes& boxes) {
    const int position = engine_.Position();
    const LetterMark mark = NextLetter(boxes, PrefixX(position), PrefixX(position + 1));
    const bool error = marks_.wrongKey && engine_.PendingError();
    const QColor colour = FromColorRef(error ? config_.col_err : config_.col_caret);
    QColor faint = colour;
    faint.setAlpha(kCellAlpha);
    p.fillRect(mark.cell, faint);
    p.fillRect(mark.underline, colour);
}

qreal CZAVTypeView::PrefixX(int characters) {
    const std::string& line = engine_.SourceLine();
    if (!layoutValid_ || layoutLine_ != line) {
        layoutLine_ = line;
        QTextLayout layout(FromCp1252(line), font_);
        layout.beginLayout();
        QTextLine row = layout.createLine();
        if (row.isValid()) row.setLineWidth(1e6);
        layout.endLayout();
        prefixX_.assign(line.size() + 1, 0);
        // How far a glyph's ink may reach beyond its own advance, and a caret beyond its column.
        margin_ = std::max(8, QFontMetrics(font_).height());
        if (row.isValid())
            for (std::size_t i = 1; i <= line.size(); ++i)
                prefixX_[i] = row.cursorToX(static_cast<int>(i));
        layoutValid_ = true;
    }
    return prefixX_[std::clamp<std::size_t>(std::max(characters, 0), 0, line.size())];
}

int CZAVTypeView::MarkX(int position) {
    return (static_cast<int>(PrefixX(position)) + static_cast<int>(PrefixX(position + 1))) / 2;
}

void CZAVTypeView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    Paint(p, event->rect());
}

void CZAVTypeView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    DrawExercise(true);
}

void CZAVTypeView::keyPressEvent(QKeyEvent* event) {
    // Control and Alt combinations type nothing, whatever text the platform attaches to them;
    // Control and Alt together are AltGr on some keyboards and type what it gives.
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool control = mods & (Qt::ControlModifier | Qt::MetaModifier);
    const bool alt = mods & Qt::AltModifier;
    if (event->text().isEmpty() || control != alt) {
        QWidget::keyPressEvent(event);
        return;
    }
    TypeText(event->text());
}

void CZAVTypeView::inputMethodEvent(QInputMethodEvent* event) {
    TypeText(event->commitString());
    event->accept();
}

QVariant CZAVTypeView::inputMethodQuery(Qt::InputMethodQuery query) const {
    switch (query) {
        case Qt::ImEnabled:
            return true;
        case Qt::ImCursorRectangle:
            return QRect(caretX_, Mid() + 10, 1, BoxHeight() - 10);
        case Qt::ImHints:
            return int(Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase);
        default:
            return QWidget::inputMethodQuery(query);
    }
}

void CZAVTypeView::TypeText(const QString& text) {
    for (QChar c : text) engine_.Character(Cp1252Code(QString(c)));
}

void CZAVTypeView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    focus_ = true;
    engine_.ResumeClock();
    DrawExercise(true);
}

void CZAVTypeView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    focus_ = false;
    engine_.PauseClock();
    DrawExercise(true);
}

void CZAVTypeView::OnPrevious() {
    PreviousExercise(doc_, engine_);
    listener_.MarkModified();
}

// On the last exercise nothing starts, yet the document is marked modified as on any move.
void CZAVTypeView::OnNext() {
    NextExercise(doc_, engine_);
    listener_.MarkModified();
}

void CZAVTypeView::OnRestart() {
    RestartTurn(engine_);
}

}  // namespace zav::ui
