#pragma once
// A record of what the viewer does, for tests that drive the real program from outside: every
// page the browser shows and every message, which is written here instead of shown.
#include <QFile>
#include <QString>

#include "helpviewer/message_sink.h"

class QTextBrowser;

namespace zav::help {

class CTrace : public IMessageSink {
  public:
    explicit CTrace(const QString& path);
    bool IsOpen() const { return file_.isOpen(); }

    void Watch(QTextBrowser& browser);
    void ShowMessage(const QString& text) override;

  private:
    void Write(const QString& line);

    QFile file_;
};

}  // namespace zav::help
