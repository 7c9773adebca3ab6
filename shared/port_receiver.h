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
    // Opens the port of the id (by default this program's own); IsOpen tells whether it worked.
    explicit CPortReceiver(PortId id = OwnId(), QObject* parent = nullptr);
    ~CPortReceiver() override;

    bool IsOpen() const { return socket_ != nullptr; }
    QString Error() const { return error_; }
    PortId Id() const { return id_; }

    // Stops receiving and removes the port; for a program about to end at once.
    void Close();

  signals:
    void MessageArrived(quint32 message, qint32 wparam, qint32 lparam);

  private:
    void OnReadable();

    PortId id_;
    QString error_;
    std::unique_ptr<CPortSocket> socket_;
    QSocketNotifier* notifier_ = nullptr;
    // Read but not yet handed over. A handler that runs a nested event loop makes the
    // notifier fire again; the newer messages then wait here behind the older ones.
    std::deque<Message> pending_;
    bool delivering_ = false;
};

}  // namespace zav::port
