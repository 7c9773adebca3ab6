#pragma once
// Tells when processes the tutor started have ended, whether or not they said goodbye: a
// process descriptor per process, watched in the event loop. Where the system offers none, the
// processes are looked at four times a second.
#include <QObject>
#include <QStringList>
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

    // Starts `program` in a session of its own, so that it outlives the tutor; its id, or 0
    // when it could not be run. A cheap spawn rather than a fork of the whole tutor: the window
    // waits only for the program to begin. Watch it so that its end is collected.
    static quint32 Spawn(const QString& program, const QStringList& arguments);

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
