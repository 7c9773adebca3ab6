#include "tutor/app/png_icon.h"

#include <QFile>
#include <QIconEngine>
#include <QImageReader>
#include <QPixmap>

namespace zav::ui {

QIcon PngIcon(const QStringList& files) {
    QIcon icon;
    for (const QString& file : files) {
        if (!QFile::exists(file)) continue;
        QImageReader reader(file, "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

namespace {

// Hands every question to the icon of the files, read at the first one.
class CPngIconEngine : public QIconEngine {
  public:
    explicit CPngIconEngine(QStringList files) : files_(std::move(files)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Icon().availableSizes(mode, state);
    }
    bool isNull() override { return Icon().isNull(); }
    QIconEngine* clone() const override { return new CPngIconEngine(files_); }

  private:
    const QIcon& Icon() {
        if (!read_) {
            icon_ = PngIcon(files_);
            read_ = true;
        }
        return icon_;
    }

    QStringList files_;
    QIcon icon_;
    bool read_ = false;
};

}  // namespace

QIcon PngIconWhenShown(const QStringList& files) {
    return QIcon(new CPngIconEngine(files));
}

}  // namespace zav::ui
