#pragma once
// The statistics graph: paints the fixed 310 × 150 area of the selected tab from the document's
// tables. Drawing goes to a persistent canvas that paintEvent only copies, so RefreshGraph
// draws at once, shown or not; with no document yet nothing at all is drawn.
#include <QFont>
#include <QImage>
#include <QWidget>

class QPainter;
class QTabBar;

namespace zav {
class CZAVTypeDoc;
}

namespace zav::ui {

class CGraphWnd : public QWidget {
    Q_OBJECT

  public:
    explicit CGraphWnd(QWidget* parent = nullptr);

    // The document to draw; null until the first "Es&tadística".
    void SetDocument(const CZAVTypeDoc* doc) { doc_ = doc; }
    // The tab bar whose selected index chooses what to draw.
    void SetTabs(const QTabBar* tabs) { tabs_ = tabs; }
    void RefreshGraph();
    const QImage& Canvas() const { return canvas_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void DrawGraph(QPainter& painter);
    void DrawHistory(QPainter& painter);
    void DrawSpeed(QPainter& painter);
    void DrawPrecision(QPainter& painter);
    void DrawText(QPainter& painter, int x, int y, const std::string& text);

    const CZAVTypeDoc* doc_ = nullptr;
    const QTabBar* tabs_ = nullptr;
    QImage canvas_;
    QFont font_;
};

}  // namespace zav::ui
