#pragma once
// The tutor's style: the desktop's own, except for the arrows that the menu bar and a toolbar
// show when they are too narrow for their commands. The style reads those from its PNG files
// in a way that loads every image-format plugin; here they are read as the PNGs they are.
// Fusion also builds the bars' title buttons from XPM text at every request: those are kept.
#include <QHash>
#include <QIcon>
#include <QProxyStyle>

namespace zav::ui {

class CTutorStyle : public QProxyStyle {
    Q_OBJECT

  public:
    // Wraps `base`, and owns it.
    explicit CTutorStyle(QStyle* base);

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

  private:
    bool fusion_;
    mutable QHash<StandardPixmap, QIcon> titleButtons_;
};

}  // namespace zav::ui
