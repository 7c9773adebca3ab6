#pragma once
// The tutor's style: the desktop's own, except for the arrows that the menu bar and a toolbar
// show when they are too narrow for their commands. The style reads those from its PNG files
// in a way that loads every image-format plugin; here they are read as the PNGs they are.
#include <QProxyStyle>

namespace zav::ui {

class CTutorStyle : public QProxyStyle {
    Q_OBJECT

  public:
    // Wraps `base`, and owns it.
    explicit CTutorStyle(QStyle* base) : QProxyStyle(base) {}

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace zav::ui
