#include "shared/port_receiver.h"

#include <QPointer>
#include <QSocketNotifier>
#include <vector>

namespace zav::port {

CPortReceiver::CPortReceiver(PortId id, QObject* parent) : QObject(parent), id_(id) {
    std::string error;
    socket_ = CPortSocket::Open(id, &error);
    if (!socket_) {
        error_ = QString::fromStdString(error);
        return;
    }
    notifier_ = new QSocketNotifier(socket_->Descriptor(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &CPortReceiver::OnReadable);
}

CPortReceiver::~CPortReceiver() = default;

void CPortReceiver::Close() {
    if (notifier_) notifier_->setEnabled(false);
    socket_.reset();
    pending_.clear();
}

// Empties the socket at once, many datagrams per system call: a sender blocks once about ten
// datagrams wait unread. What does not fit the queue is read all the same, and dropped.
void CPortReceiver::Drain() {
    std::vector<Message> batch;
    while (socket_) {
        batch.clear();
        constexpr std::size_t kChunk = 256;
        const std::size_t read = socket_->ReceiveBatch(kChunk, &batch);
        for (const Message& m : batch) {
            if (pending_.size() >= kQueueLimit) {
                ++dropped_;
                ++lostBeforeNext_;
                continue;
            }
            pending_.push_back({m, lostBeforeNext_});
            lostBeforeNext_ = 0;
        }
        if (read < kChunk) break;
    }
}

// Hands over at most a slice of the queue per turn of the event loop, so that a flood cannot
// hold the window; the rest follows on the next turn.
void CPortReceiver::OnReadable() {
    resumeQueued_ = false;
    Drain();
    if (delivering_) return;
    delivering_ = true;
    QPointer<CPortReceiver> alive(this);
    constexpr int kSlice = 512;
    for (int handed = 0; handed < kSlice && !pending_.empty(); ++handed) {
        const Entry e = pending_.front();
        pending_.pop_front();
        if (e.lostBefore != 0) {
            emit MessagesLost(e.lostBefore);
            if (!alive) return;
        }
        emit MessageArrived(e.message.message, e.message.wparam, e.message.lparam);
        if (!alive) return;
    }
    delivering_ = false;
    if (!pending_.empty() && !resumeQueued_) {
        resumeQueued_ = true;
        QMetaObject::invokeMethod(this, &CPortReceiver::OnReadable, Qt::QueuedConnection);
    }
}

}  // namespace zav::port
