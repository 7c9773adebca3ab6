#include "shared/port.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace zav::port {
namespace {

using Clock = std::chrono::steady_clock;

void PutLe(unsigned char* out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[i] = static_cast<unsigned char>(v >> (8 * i));
}

std::uint32_t GetLe(const unsigned char* in) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(in[i]) << (8 * i);
    return v;
}

void SetError(std::string* error, std::string text) {
    if (error) *error = std::move(text);
}

// The socket address of a port file; false when the path is too long for one.
bool MakeAddress(const std::filesystem::path& path, sockaddr_un* addr) {
    const std::string& s = path.native();
    if (s.size() >= sizeof(addr->sun_path)) return false;
    std::memset(addr, 0, sizeof(*addr));
    addr->sun_family = AF_UNIX;
    std::memcpy(addr->sun_path, s.c_str(), s.size() + 1);
    return true;
}

std::filesystem::path PortPath(const std::filesystem::path& folder, PortId id) {
    return folder / std::to_string(id);
}

}  // namespace

std::array<unsigned char, kDatagramSize> EncodeDatagram(const Message& m) {
    std::array<unsigned char, kDatagramSize> bytes{};
    PutLe(bytes.data(), m.message);
    PutLe(bytes.data() + 4, static_cast<std::uint32_t>(m.wparam));
    PutLe(bytes.data() + 8, static_cast<std::uint32_t>(m.lparam));
    return bytes;
}

std::optional<Message> DecodeDatagram(const unsigned char* bytes, std::size_t size) {
    if (size != kDatagramSize) return std::nullopt;
    return Message{GetLe(bytes), static_cast<std::int32_t>(GetLe(bytes + 4)),
                   static_cast<std::int32_t>(GetLe(bytes + 8))};
}

PortId OwnId() {
    return static_cast<PortId>(::getpid());
}

std::filesystem::path PortFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/') return std::filesystem::path(runtime) / "zavtype";
    return std::filesystem::path("/tmp") / ("zavtype-" + std::to_string(::geteuid()));
}

bool CheckPortFolder(const std::filesystem::path& folder, std::string* error) {
    struct stat st;
    if (::lstat(folder.c_str(), &st) != 0) {
        SetError(error, folder.native() + ": " + std::strerror(errno));
        return false;
    }
    if (!S_ISDIR(st.st_mode)) {
        SetError(error, folder.native() + " is not a folder");
        return false;
    }
    if (st.st_uid != ::geteuid()) {
        SetError(error, folder.native() + " belongs to another user");
        return false;
    }
    if (st.st_mode & (S_IXGRP | S_IXOTH)) {
        SetError(error, folder.native() + " can be entered by other users");
        return false;
    }
    return true;
}

bool PreparePortFolder(const std::filesystem::path& folder, std::string* error) {
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        SetError(error, folder.native() + ": " + std::strerror(errno));
        return false;
    }
    return CheckPortFolder(folder, error);
}

int ConnectPort(PortId id, PostResult* result) {
    *result = PostResult::kNoReceiver;
    if (id == 0) return -1;
    *result = PostResult::kFailed;
    const auto folder = PortFolder();
    std::error_code ec;
    if (!std::filesystem::exists(folder, ec)) {
        *result = PostResult::kNoReceiver;  // nobody has opened a port yet
        return -1;
    }
    if (!CheckPortFolder(folder, nullptr)) return -1;
    sockaddr_un addr;
    if (!MakeAddress(PortPath(folder, id), &addr)) return -1;
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return -1;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) != 0) {
        const int e = errno;
        ::close(fd);
        if (e == ENOENT || e == ECONNREFUSED || e == ENOTSOCK || e == EPROTOTYPE) {
            *result = PostResult::kNoReceiver;
        }
        return -1;
    }
    *result = PostResult::kSent;
    return fd;
}

PostResult SendOn(int fd, const Message& m) {
    const auto bytes = EncodeDatagram(m);
    for (;;) {
        const ssize_t n = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n == static_cast<ssize_t>(bytes.size())) return PostResult::kSent;
        if (n >= 0) return PostResult::kFailed;
        if (errno == EINTR) continue;
        if (errno == ECONNREFUSED || errno == ENOTCONN) return PostResult::kNoReceiver;
        if (errno == EAGAIN || errno == EWOULDBLOCK) return PostResult::kTimedOut;
        return PostResult::kFailed;
    }
}

PostResult TryPost(PortId id, const Message& m, std::chrono::milliseconds limit) {
    if (id == 0) return PostResult::kNoReceiver;
    PostResult result;
    const int fd = ConnectPort(id, &result);
    if (fd < 0) return result;
    const auto deadline = Clock::now() + limit;
    for (;;) {
        result = SendOn(fd, m);
        if (result != PostResult::kTimedOut) break;
        // The receiver's queue is full: wait for room, but not past the limit.
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) break;
        pollfd p{fd, POLLOUT, 0};
        ::poll(&p, 1, static_cast<int>(left.count()) + 1);
    }
    ::close(fd);
    return result;
}

bool Post(PortId id, std::uint32_t message, std::int32_t wparam, std::int32_t lparam) {
    try {
        return TryPost(id, {message, wparam, lparam}) == PostResult::kSent;
    } catch (...) {
        return false;
    }
}

bool IsPortOpen(PortId id) {
    if (id == 0) return false;
    try {
        PostResult result;
        const int fd = ConnectPort(id, &result);
        if (fd < 0) return false;
        ::close(fd);
        return true;
    } catch (...) {
        return false;
    }
}

int RemoveStalePorts(const std::filesystem::path& folder) {
    int removed = 0;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().native();
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos) continue;
        struct stat st;
        if (::lstat(it->path().c_str(), &st) != 0 || !S_ISSOCK(st.st_mode)) continue;
        // A socket whose reader has gone refuses connections: its program has ended.
        sockaddr_un addr;
        if (!MakeAddress(it->path(), &addr)) continue;
        const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (fd < 0) break;
        const bool stale = ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) != 0 &&
                           errno == ECONNREFUSED;
        ::close(fd);
        if (stale && ::unlink(it->path().c_str()) == 0) ++removed;
    }
    return removed;
}

std::unique_ptr<CPortSocket> CPortSocket::Open(PortId id, std::string* error) {
    return Open(id, PortFolder(), error);
}

std::unique_ptr<CPortSocket> CPortSocket::Open(PortId id, const std::filesystem::path& folder,
                                               std::string* error) {
    if (id == 0) {
        SetError(error, "a port needs an id other than 0");
        return nullptr;
    }
    if (!PreparePortFolder(folder, error)) return nullptr;
    auto path = PortPath(folder, id);
    sockaddr_un addr;
    if (!MakeAddress(path, &addr)) {
        SetError(error, path.native() + ": path too long for a socket");
        return nullptr;
    }
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        SetError(error, std::string("socket: ") + std::strerror(errno));
        return nullptr;
    }
    RemoveStalePorts(folder);
    ::unlink(path.c_str());  // a port of the same id that still answers is not ours to keep
    struct stat st;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) != 0 ||
        ::stat(path.c_str(), &st) != 0) {
        SetError(error, path.native() + ": " + std::strerror(errno));
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<CPortSocket>(
        new CPortSocket(id, fd, std::move(path), static_cast<unsigned long>(st.st_ino)));
}

CPortSocket::~CPortSocket() {
    Close();
}

void CPortSocket::Close() {
    if (fd_ < 0) return;
    struct stat st;
    if (::stat(path_.c_str(), &st) == 0 && static_cast<unsigned long>(st.st_ino) == inode_) {
        ::unlink(path_.c_str());
    }
    ::close(fd_);
    fd_ = -1;
}

std::optional<Message> CPortSocket::Receive() {
    while (fd_ >= 0) {
        unsigned char buffer[kDatagramSize + 4];
        // MSG_TRUNC reports the datagram's real size, so longer ones are told apart and dropped.
        const ssize_t n = ::recv(fd_, buffer, sizeof(buffer), MSG_DONTWAIT | MSG_TRUNC);
        if (n < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (auto m = DecodeDatagram(buffer, static_cast<std::size_t>(n))) return m;
    }
    return std::nullopt;
}

std::size_t CPortSocket::ReceiveBatch(std::size_t limit, std::vector<Message>* out) {
    constexpr std::size_t kBatch = 64;
    // One byte more than a message, so that longer datagrams are told apart and dropped.
    unsigned char buffers[kBatch][kDatagramSize + 1];
    iovec vectors[kBatch];
    mmsghdr headers[kBatch];
    std::size_t read = 0;
    while (fd_ >= 0 && read < limit) {
        const std::size_t want = std::min(kBatch, limit - read);
        for (std::size_t i = 0; i < want; ++i) {
            vectors[i] = {buffers[i], sizeof(buffers[i])};
            headers[i] = {};
            headers[i].msg_hdr.msg_iov = &vectors[i];
            headers[i].msg_hdr.msg_iovlen = 1;
        }
        const int n = ::recvmmsg(fd_, headers, static_cast<unsigned>(want), MSG_DONTWAIT, nullptr);
        if (n < 0) {
            if (errno == EINTR) continue;
            break;
        }
        for (int i = 0; i < n; ++i) {
            const bool whole = !(headers[i].msg_hdr.msg_flags & MSG_TRUNC);
            if (auto m = DecodeDatagram(buffers[i], whole ? headers[i].msg_len : 0))
                out->push_back(*m);
        }
        read += static_cast<std::size_t>(n);
        if (static_cast<std::size_t>(n) < want) break;  // the socket is empty
    }
    return read;
}

std::optional<Message> CPortSocket::Wait(std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        if (auto m = Receive()) return m;
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0 || fd_ < 0) return std::nullopt;
        pollfd p{fd_, POLLIN, 0};
        ::poll(&p, 1, static_cast<int>(left.count()) + 1);
    }
}

}  // namespace zav::port
