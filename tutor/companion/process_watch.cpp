#include "tutor/companion/process_watch.h"

#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QSocketNotifier>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace zav::ui {

struct CProcessWatch::Entry {
    int fd = -1;
    std::unique_ptr<QSocketNotifier> notifier;
    ~Entry() {
        notifier.reset();
        if (fd >= 0) ::close(fd);
    }
};

CProcessWatch::CProcessWatch(QObject* parent) : QObject(parent) {
    poll_.setInterval(250);
    connect(&poll_, &QTimer::timeout, this, &CProcessWatch::Check);
}

CProcessWatch::~CProcessWatch() = default;

quint32 CProcessWatch::Spawn(const QString& program, const QStringList& arguments) {
    std::vector<QByteArray> bytes{QFile::encodeName(program)};
    for (const QString& a : arguments) bytes.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& b : bytes) argv.push_back(b.data());
    argv.push_back(nullptr);
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t none, defaults;
    sigemptyset(&none);
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setsigdefault(&attr, &defaults);
    posix_spawnattr_setflags(&attr,
                             POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    pid_t pid = 0;
    const int rc = ::posix_spawn(&pid, argv[0], nullptr, &attr, argv.data(), environ);
    posix_spawnattr_destroy(&attr);
    return rc == 0 && pid > 0 ? static_cast<quint32>(pid) : 0;
}

bool CProcessWatch::IsRunning(quint32 pid) {
    if (pid == 0) return false;
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM) return false;
    // "pid (name) S ...": the state follows the last parenthesis.
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line)) return true;
    const auto close = line.rfind(')');
    return close == std::string::npos || close + 2 >= line.size() || line[close + 2] != 'Z';
}

void CProcessWatch::Watch(quint32 pid) {
    if (pid == 0 || entries_.count(pid)) return;
    auto entry = std::make_unique<Entry>();
#ifdef SYS_pidfd_open
    entry->fd = static_cast<int>(::syscall(SYS_pidfd_open, static_cast<pid_t>(pid), 0));
#endif
    if (entry->fd >= 0) {
        // A process descriptor becomes readable when the process ends.
        entry->notifier = std::make_unique<QSocketNotifier>(entry->fd, QSocketNotifier::Read);
        connect(entry->notifier.get(), &QSocketNotifier::activated, this,
                [this, pid] { Report(pid); });
    } else {
        poll_.start();
    }
    entries_.emplace(pid, std::move(entry));
    if (!IsRunning(pid)) QTimer::singleShot(0, this, [this, pid] { Report(pid); });
}

void CProcessWatch::Unwatch(quint32 pid) {
    const auto it = entries_.find(pid);
    if (it == entries_.end()) return;
    if (it->second->notifier) it->second->notifier->setEnabled(false);
    // Later: this may run inside the slot of the entry's own notifier.
    retired_.push_back(std::move(it->second));
    entries_.erase(it);
    QTimer::singleShot(0, this, [this] { retired_.clear(); });
}

void CProcessWatch::Check() {
    std::vector<quint32> ended;
    bool polled = false;
    for (const auto& [pid, entry] : entries_) {
        if (entry->fd >= 0) continue;
        polled = true;
        if (!IsRunning(pid)) ended.push_back(pid);
    }
    if (!polled) poll_.stop();
    for (quint32 pid : ended) Report(pid);
}

void CProcessWatch::Report(quint32 pid) {
    if (!entries_.count(pid)) return;
    Unwatch(pid);
    ::waitpid(static_cast<pid_t>(pid), nullptr, WNOHANG);  // our own child: no zombie left
    emit Ended(pid);
}

}  // namespace zav::ui
