#pragma once
// Tells when processes the tutor started have ended, whether or not they said goodbye: a
// process descriptor per process, watched in the event loop. Where the system offers none, the
// processes are looked at four times a second.
#include <QObject>
#include <QTimer>
#include <map>
#include <memory>
#include <vector>

class QSocketNotifier;

namespace zav::ui {

class CProcessWatch : public QObject {
    Q_OBJECT

  public:
    explicit CProcessWatch(QObject* parent = nullptr);
    ~CProcessWatch() override;

    void Watch(quint32 pid);
    void Unwatch(quint32 pid);

    // False once the process has ended (a zombie has ended too).
    static bool IsRunning(quint32 pid);

  signals:
    void Ended(quint32 pid);

  private:
    struct Entry;
    void Check();
    void Report(quint32 pid);

    std::map<quint32, std::unique_ptr<Entry>> entries_;
    std::vector<std::unique_ptr<Entry>> retired_;
    QTimer poll_;
};

}  // namespace zav::ui
