#pragma once
// The browser of the help pages. Pages, style sheets and pictures are read through the
// programs' one file reader, so that a page table naming a pipe or a device never holds or
// floods the viewer.
#include <QTextBrowser>

namespace zav::help {

class CHelpBrowser : public QTextBrowser {
    Q_OBJECT

  public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override;
};

}  // namespace zav::help
