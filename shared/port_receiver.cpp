#include "shared/port_receiver.h"

#include <QPointer>
#include <QSocketNotifier>

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

void CPortReceiver::OnReadable() {
    // Drain the socket at once: a sender blocks once about ten datagrams wait unread.
    while (socket_) {
        auto m = socket_->Receive();
        if (!m) break;
        pending_.push_back(*m);
    }
    if (delivering_) return;
    delivering_ = true;
    QPointer<CPortReceiver> alive(this);
    while (!pending_.empty()) {
        const Message m = pending_.front();
        pending_.pop_front();
        emit MessageArrived(m.message, m.wparam, m.lparam);
        if (!alive) return;
    }
    delivering_ = false;
}

}  // namespace zav::port
