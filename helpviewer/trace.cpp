#include "helpviewer/trace.h"

#include <QTextBrowser>
#include <QUrl>

namespace zav::help {

CTrace::CTrace(const QString& path) : file_(path) {
    (void)file_.open(QIODevice::WriteOnly | QIODevice::Append);
}

void CTrace::Watch(QTextBrowser& browser) {
    QObject::connect(&browser, &QTextBrowser::sourceChanged,
                     [this](const QUrl& url) { Write("page " + url.toLocalFile()); });
}

void CTrace::ShowMessage(const QString& text) {
    Write("message " + text);
}

// One line at a time and flushed, so a reader in another process sees it at once.
void CTrace::Write(const QString& line) {
    if (!file_.isOpen()) return;
    file_.write((line + "\n").toUtf8());
    file_.flush();
}

}  // namespace zav::help
