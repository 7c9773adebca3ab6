#pragma once
// The event-loop side of the message port: watches this program's socket and hands every
// message to the application object, in arrival order, between user-interface events.
#include <QObject>
#include <QString>
#include <deque>
#include <memory>

#include "shared/port.h"

class QSocketNotifier;

namespace zav::port {

class CPortReceiver : public QObject {
    Q_OBJECT

  public:
    // Read but not yet handed over, at most: a flood while a handler waits for the user cannot
    // grow the program without bound. Later messages are dropped and counted.
    static constexpr std::size_t kQueueLimit = 4096;

    // Opens the port of the id (by default this program's own); IsOpen tells whether it worked.
    explicit CPortReceiver(PortId id = OwnId(), QObject* parent = nullptr);
    ~CPortReceiver() override;

    bool IsOpen() const { return socket_ != nullptr; }
    QString Error() const { return error_; }
    PortId Id() const { return id_; }
    // Messages dropped because the queue was full, since the port opened.
    quint64 Dropped() const { return dropped_; }
    // True while messages read earlier wait to be handed over.
    bool Backlogged() const { return !pending_.empty(); }

    // Stops receiving and removes the port; for a program about to end at once.
    void Close();

  signals:
    void MessageArrived(quint32 message, qint32 wparam, qint32 lparam);
    // Messages were dropped just before the next one handed over: a string in transit has
    // lost characters.
    void MessagesLost(quint64 count);

  private:
    void OnReadable();
    void Drain();

    PortId id_;
    QString error_;
    std::unique_ptr<CPortSocket> socket_;
    QSocketNotifier* notifier_ = nullptr;
    // Read but not yet handed over. A handler that runs a nested event loop makes the
    // notifier fire again; the newer messages then wait here behind the older ones.
    struct Entry {
        Message message;
        quint64 lostBefore = 0;  // dropped between this message and the one before it
    };
    std::deque<Entry> pending_;
    bool delivering_ = false;
    bool resumeQueued_ = false;
    quint64 dropped_ = 0;
    quint64 lostBeforeNext_ = 0;
};

}  // namespace zav::port
