#include "tutor/dialogs/graph_wnd.h"

#include <QPainter>
#include <QTabBar>

#include "core/app/strings.h"
#include "core/course/document.h"
#include "core/stats/graph_model.h"
#include "shared/qt_text.h"

namespace zav::ui {
namespace {

const QColor kGrey(0xc0, 0xc0, 0xc0);
const QColor kRed(0xff, 0x00, 0x00);

enum Tab { HistoryTab = 0, SpeedTab = 1, PrecisionTab = 2 };

}  // namespace

CGraphWnd::CGraphWnd(QWidget* parent)
    : QWidget(parent), canvas_(kGraphWidth, kGraphHeight, QImage::Format_ARGB32_Premultiplied) {
    setFixedSize(kGraphWidth, kGraphHeight);
    canvas_.fill(Qt::transparent);
    font_ = QFont("MS Sans Serif");
    font_.setPointSize(8);
}

void CGraphWnd::RefreshGraph() {
    QPainter painter(&canvas_);
    DrawGraph(painter);
    painter.end();
    update();
}

void CGraphWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_);
}

void CGraphWnd::DrawGraph(QPainter& painter) {
    if (!doc_) return;
    painter.fillRect(0, 0, kGraphWidth, kGraphHeight, kGrey);
    painter.setFont(font_);
    painter.setPen(Qt::black);
    painter.setBackground(kGrey);
    painter.setBackgroundMode(Qt::OpaqueMode);
    switch (tabs_ ? tabs_->currentIndex() : -1) {
        case HistoryTab:
            DrawHistory(painter);
            break;
        case SpeedTab:
            DrawSpeed(painter);
            break;
        case PrecisionTab:
            DrawPrecision(painter);
            break;
        default:
            break;
    }
}

void CGraphWnd::DrawText(QPainter& painter, int x, int y, const std::string& text) {
    const QFontMetrics metrics(painter.font());
    painter.drawText(x, y + metrics.ascent(), FromCp1252(text));
}

// The columns start at tab stops fitted to the widest text of each column in this font, with
// the width of two spaces between columns.
void CGraphWnd::DrawHistory(QPainter& painter) {
    const QFontMetrics metrics(painter.font());
    const std::vector<GraphText> table = HistoryTable(doc_->stats);
    std::vector<QStringList> rows;
    std::vector<int> widths;
    for (const GraphText& row : table) {
        rows.push_back(FromCp1252(row.text).split(QLatin1Char('\t')));
        for (int c = 0; c < rows.back().size(); ++c) {
            if (widths.size() <= static_cast<std::size_t>(c)) widths.push_back(0);
            widths[c] = std::max(widths[c], metrics.horizontalAdvance(rows.back().at(c)));
        }
    }
    const auto stops = FitHistoryTabStops(widths, 2 * metrics.horizontalAdvance(QLatin1Char(' ')));
    for (std::size_t r = 0; r < table.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c) {
            const int x =
                table[r].x + (c == 0 ? 0 : stops[std::min<std::size_t>(c, stops.size()) - 1]);
            painter.drawText(x, table[r].y + metrics.ascent(), rows[r].at(c));
        }
    }
}

void CGraphWnd::DrawSpeed(QPainter& painter) {
    const SpeedChart chart = BuildSpeedChart(doc_->stats);
    DrawText(painter, chart.caption.x, chart.caption.y, chart.caption.text);
    for (const GraphText& label : chart.labels) {
        DrawText(painter, label.x, label.y, label.text);
        painter.drawLine(35, label.y, 40, label.y);
    }
    painter.drawLine(40, 20, 40, 120);
    painter.setBrush(kRed);
    for (const SpeedDot& dot : chart.dots) {
        // The box from (x − 3, y − 3) to (x + 3, y + 3), its right and bottom edges excluded.
        painter.drawEllipse(QRect(dot.x - 3, dot.y - 3, 5, 5));
    }
    painter.setBrush(Qt::NoBrush);
}

void CGraphWnd::DrawPrecision(QPainter& painter) {
    const PrecisionScale scale = BuildPrecisionScale(doc_->stats);
    if (!scale.drawn) return;
    painter.drawLine(0, 30, 300, 30);
    painter.drawLine(0, 25, 0, 35);
    painter.drawLine(300, 25, 300, 35);
    DrawText(painter, 0, 10, text::kGradeBien);
    DrawText(painter, 280, 10, text::kGradeMal);
    for (const GraphText& label : scale.labels) DrawText(painter, label.x, label.y, label.text);
    for (const GraphText& letter : scale.letters)
        DrawText(painter, letter.x, letter.y, letter.text);
}

}  // namespace zav::ui
