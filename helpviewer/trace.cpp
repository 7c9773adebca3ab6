#include "helpviewer/trace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTextBrowser>
#include <QUrl>

namespace zav::help {

// Opened without waiting: a pipe that nobody reads would otherwise hold the viewer before its
// window shows. Only a regular file (or a device such as /dev/null) is written.
CTrace::CTrace(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0) return;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode) ||
        !file_.open(fd, QIODevice::WriteOnly | QIODevice::Append, QFileDevice::AutoCloseHandle))
        ::close(fd);
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
