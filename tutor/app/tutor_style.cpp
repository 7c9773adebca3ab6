#include "tutor/app/tutor_style.h"

#include <QFile>
#include <QGuiApplication>
#include <algorithm>
#include <array>

#include "tutor/app/png_icon.h"

namespace zav::ui {
namespace {

// Qt's own images of the two arrows, in the three sizes its style offers; none for the other
// standard icons.
QStringList ExtensionArrowFiles(QStyle::StandardPixmap which) {
    const QString folder = QStringLiteral(":/qt-project.org/styles/commonstyle/images/");
    QString name;
    std::array<int, 3> sizes{};
    if (which == QStyle::SP_ToolBarHorizontalExtensionButton) {
        const bool rtl = QGuiApplication::layoutDirection() == Qt::RightToLeft;
        name = rtl ? QStringLiteral("toolbar-ext-h-rtl-%1.png")
                   : QStringLiteral("toolbar-ext-h-%1.png");
        sizes = {8, 16, 32};
    } else if (which == QStyle::SP_ToolBarVerticalExtensionButton) {
        name = QStringLiteral("toolbar-ext-v-%1.png");
        sizes = {5, 10, 20};
    }
    QStringList files;
    if (!name.isEmpty())
        for (int size : sizes) files << folder + name.arg(size);
    return files;
}

// The pictures of a bar's title buttons, the same whatever the bar and its colours.
bool IsTitleButton(QStyle::StandardPixmap which) {
    return which == QStyle::SP_TitleBarNormalButton || which == QStyle::SP_TitleBarMinButton ||
           which == QStyle::SP_TitleBarCloseButton || which == QStyle::SP_DockWidgetCloseButton;
}

}  // namespace

CTutorStyle::CTutorStyle(QStyle* base)
    : QProxyStyle(base),
      fusion_(base && base->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0) {}

QIcon CTutorStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                const QWidget* widget) const {
    const QStringList files = ExtensionArrowFiles(which);
    // Another Qt may keep them elsewhere: then its style reads them its own way. They show only
    // when a bar is too narrow, so they are read when first shown.
    if (!files.isEmpty() && std::all_of(files.begin(), files.end(),
                                        [](const QString& file) { return QFile::exists(file); }))
        return PngIconWhenShown(files);
    // The three bars ask twenty times while the window is built.
    if (fusion_ && IsTitleButton(which)) {
        QIcon& icon = titleButtons_[which];
        if (icon.isNull()) icon = QProxyStyle::standardIcon(which, option, widget);
        return icon;
    }
    return QProxyStyle::standardIcon(which, option, widget);
}

}  // namespace zav::ui
