#pragma once
// The message port: how the programs post each other thread messages. Every program reads one
// Unix datagram socket named by its id (its process id) in a private folder; a message is one
// datagram of 12 bytes, little-endian: message number, WPARAM, LPARAM. Plain POSIX, no Qt; the
// event-loop side is CPortReceiver.
#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zav::port {

using PortId = std::uint32_t;

struct Message {
    std::uint32_t message = 0;
    std::int32_t wparam = 0;
    std::int32_t lparam = 0;
    bool operator==(const Message&) const = default;
};

inline constexpr std::size_t kDatagramSize = 12;
inline constexpr std::chrono::milliseconds kPostLimit{1000};

std::array<unsigned char, kDatagramSize> EncodeDatagram(const Message& m);
std::optional<Message> DecodeDatagram(const unsigned char* bytes, std::size_t size);

// The id of this program: its process id.
PortId OwnId();

// $XDG_RUNTIME_DIR/zavtype, or /tmp/zavtype-<uid> when that variable is unset or not absolute.
std::filesystem::path PortFolder();

// True when the folder is a real folder of this user that nobody else can enter; otherwise
// false with the reason in *error.
bool CheckPortFolder(const std::filesystem::path& folder, std::string* error);

// Creates the folder with mode 0700 when missing, then checks it as above.
bool PreparePortFolder(const std::filesystem::path& folder, std::string* error);

enum class PostResult {
    kSent,
    kNoReceiver,  // id 0, no port of that id, or nobody reads it any more
    kTimedOut,    // the receiver stayed full for the whole limit
    kFailed,      // the folder is not safely ours, or the system refused
};

// Posts one message to the port of the id in PortFolder(). Never throws; waits only while the
// receiver is full, at most limit.
PostResult TryPost(PortId id, const Message& m, std::chrono::milliseconds limit = kPostLimit);
bool Post(PortId id, std::uint32_t message, std::int32_t wparam, std::int32_t lparam);

// True when a port of that id exists and somebody reads it.
bool IsPortOpen(PortId id);

// A socket connected to the port of the id, for posting without waiting; -1 with the reason in
// *result (kNoReceiver or kFailed) otherwise. The caller closes it.
int ConnectPort(PortId id, PostResult* result);
// One datagram on a connected socket, never waiting: kTimedOut when the receiver is full.
PostResult SendOn(int fd, const Message& m);

// Removes the ports in the folder that nobody reads any more: their programs were killed.
// Returns how many were removed.
int RemoveStalePorts(const std::filesystem::path& folder);

// One program's own port. Opening replaces a stale socket of the same id and removes the stale
// ports of programs that were killed; the socket file is removed again when the port closes.
class CPortSocket {
  public:
    static std::unique_ptr<CPortSocket> Open(PortId id, std::string* error);
    static std::unique_ptr<CPortSocket> Open(PortId id, const std::filesystem::path& folder,
                                             std::string* error);
    ~CPortSocket();
    CPortSocket(const CPortSocket&) = delete;
    CPortSocket& operator=(const CPortSocket&) = delete;

    PortId Id() const { return id_; }
    int Descriptor() const { return fd_; }
    const std::filesystem::path& Path() const { return path_; }

    // The next waiting message, dropping datagrams of another size; nothing when none waits.
    std::optional<Message> Receive();
    // Appends up to `limit` waiting messages to *out, reading many datagrams per system call;
    // how many datagrams were read (those of another size included, though dropped).
    std::size_t ReceiveBatch(std::size_t limit, std::vector<Message>* out);
    // Waits at most timeout for the next message.
    std::optional<Message> Wait(std::chrono::milliseconds timeout);
    // Stops reading and removes the socket file (also done by the destructor).
    void Close();

  private:
    CPortSocket(PortId id, int fd, std::filesystem::path path, unsigned long inode)
        : id_(id), fd_(fd), path_(std::move(path)), inode_(inode) {}

    PortId id_;
    int fd_;
    std::filesystem::path path_;
    unsigned long inode_;  // to remove only our own socket file, not a later replacement
};

}  // namespace zav::port
