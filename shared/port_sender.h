#pragma once
// Posts that never hold the window. A message that finds its receiver full waits here, in order
// behind the earlier ones to the same id, and is sent from the event loop as soon as the
// receiver has room. A receiver that takes nothing for kPostLimit is given up: its waiting
// messages are dropped and Unreachable tells the owner.
#include <QObject>
#include <deque>
#include <map>
#include <memory>
#include <vector>

#include "shared/port.h"

class QSocketNotifier;
class QTimer;

namespace zav::port {

class CPortSender : public QObject {
    Q_OBJECT

  public:
    explicit CPortSender(QObject* parent = nullptr);
    ~CPortSender() override;

    // kSent when the message was sent or waits its turn; kNoReceiver or kFailed at once
    // otherwise. Never waits.
    PostResult Post(PortId id, const Message& m);
    // Messages waiting for room in the receiver of the id.
    std::size_t Waiting(PortId id) const;
    // Drops what waits for the id, without a signal.
    void Forget(PortId id);

  signals:
    void Unreachable(quint32 id);

  private:
    struct Backlog;
    void Flush(PortId id);
    void GiveUp(PortId id);
    void Retire(PortId id);

    std::map<PortId, std::unique_ptr<Backlog>> backlogs_;
    std::vector<std::unique_ptr<Backlog>> retired_;
};

}  // namespace zav::port
