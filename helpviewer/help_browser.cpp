#include "helpviewer/help_browser.h"

#include "core/course/textfile.h"

namespace zav::help {

QVariant CHelpBrowser::loadResource(int type, const QUrl& name) {
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (!url.isLocalFile()) return QTextBrowser::loadResource(type, name);
    const FileBytes file = ReadFileBytes(url.toLocalFile().toStdString());
    // An empty answer, not a null one: on a null answer the document would read the file
    // itself.
    if (!file.Ok()) return QByteArray();
    return QByteArray(file.bytes.data(), static_cast<qsizetype>(file.bytes.size()));
}

}  // namespace zav::help
