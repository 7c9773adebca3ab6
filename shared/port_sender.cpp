#include "shared/port_sender.h"

#include <unistd.h>

#include <QSocketNotifier>
#include <QTimer>

namespace zav::port {

// The messages to one full receiver, and the connected socket that tells when it has room.
struct CPortSender::Backlog {
    int fd = -1;
    std::deque<Message> messages;
    std::unique_ptr<QSocketNotifier> writable;
    std::unique_ptr<QTimer> limit;  // restarted whenever the receiver takes a message
    ~Backlog() {
        writable.reset();
        if (fd >= 0) ::close(fd);
    }
};

CPortSender::CPortSender(QObject* parent) : QObject(parent) {}

CPortSender::~CPortSender() = default;

PostResult CPortSender::Post(PortId id, const Message& m) {
    if (id == 0) return PostResult::kNoReceiver;
    if (auto it = backlogs_.find(id); it != backlogs_.end()) {
        it->second->messages.push_back(m);  // behind the ones that wait already
        Flush(id);
        return PostResult::kSent;
    }
    PostResult result;
    const int fd = ConnectPort(id, &result);
    if (fd < 0) return result;
    result = SendOn(fd, m);
    if (result != PostResult::kTimedOut) {
        ::close(fd);
        return result;
    }
    auto backlog = std::make_unique<Backlog>();
    backlog->fd = fd;
    backlog->messages.push_back(m);
    backlog->writable = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Write);
    connect(backlog->writable.get(), &QSocketNotifier::activated, this, [this, id] { Flush(id); });
    backlog->limit = std::make_unique<QTimer>();
    backlog->limit->setSingleShot(true);
    backlog->limit->setInterval(static_cast<int>(kPostLimit.count()));
    connect(backlog->limit.get(), &QTimer::timeout, this, [this, id] { GiveUp(id); });
    backlog->limit->start();
    backlogs_.emplace(id, std::move(backlog));
    return PostResult::kSent;
}

std::size_t CPortSender::Waiting(PortId id) const {
    const auto it = backlogs_.find(id);
    return it == backlogs_.end() ? 0 : it->second->messages.size();
}

void CPortSender::Forget(PortId id) {
    Retire(id);
}

void CPortSender::Flush(PortId id) {
    const auto it = backlogs_.find(id);
    if (it == backlogs_.end()) return;
    Backlog& b = *it->second;
    bool progress = false;
    while (!b.messages.empty()) {
        const PostResult result = SendOn(b.fd, b.messages.front());
        if (result == PostResult::kTimedOut) break;
        if (result != PostResult::kSent) {
            GiveUp(id);  // the receiver has gone
            return;
        }
        b.messages.pop_front();
        progress = true;
    }
    if (b.messages.empty()) {
        Retire(id);
    } else if (progress) {
        b.limit->start();
    }
}

void CPortSender::GiveUp(PortId id) {
    if (!backlogs_.count(id)) return;
    Retire(id);
    emit Unreachable(id);
}

// Destroyed on the next turn of the event loop: this may run inside a slot of the backlog's own
// notifier or timer.
void CPortSender::Retire(PortId id) {
    const auto it = backlogs_.find(id);
    if (it == backlogs_.end()) return;
    it->second->writable->setEnabled(false);
    it->second->limit->stop();
    retired_.push_back(std::move(it->second));
    backlogs_.erase(it);
    QTimer::singleShot(0, this, [this] { retired_.clear(); });
}

}  // namespace zav::port
