#include "tutor/app/png_icon.h"

#include <QFile>
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

}  // namespace zav::ui
