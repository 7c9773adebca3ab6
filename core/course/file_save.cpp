#include "core/course/file_save.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <system_error>

namespace zav {
namespace {

class FileSink : public CByteSink {
  public:
    explicit FileSink(int fd) : file_(fdopen(fd, "wb")) {
        if (!file_) ::close(fd);
    }
    ~FileSink() override {
        if (file_) std::fclose(file_);
    }
    bool Write(std::string_view bytes) override {
        return file_ && std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size();
    }
    // Flushes to the disk and closes; false when any of it failed. A file that is to be thrown
    // away is closed without waiting for the disk.
    bool Close(bool sync = true) {
        if (!file_) return false;
        bool ok = std::fflush(file_) == 0 && (!sync || ::fsync(fileno(file_)) == 0);
        ok = std::fclose(file_) == 0 && ok;
        file_ = nullptr;
        return ok;
    }

  private:
    std::FILE* file_;
};

std::string TemporaryPrefix(const std::filesystem::path& target) {
    return target.filename().string() + ".tmp";
}

// Creates a new, unused file beside `target` and returns its descriptor, or −1.
int CreateTemporary(const std::filesystem::path& target, std::filesystem::path& temporary) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target;
        temporary += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

std::filesystem::path FolderOf(const std::filesystem::path& file) {
    const auto folder = file.parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

// Makes the rename itself last through a power cut. Some file systems cannot sync a folder;
// the file is in place either way, so that is not a failed save.
void SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

SaveOutcome Failed(int error) {
    return SaveOutcome{false, error};
}

bool WriteAllAt(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put =
            ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        done += static_cast<std::size_t>(put);
    }
    return true;
}

// For a writable file in a folder that is not: the content is made whole in memory first, so
// that a writer that fails leaves the file untouched, then written over the old bytes, cut to
// its length and synced.
SaveOutcome SaveInPlace(const std::filesystem::path& target, const ContentWriter& write,
                        const SinkFilter& filter) {
    CStringSink memory;
    std::unique_ptr<CByteSink> filtered = filter ? filter(memory) : nullptr;
    if (!write(filtered ? *filtered : memory)) return Failed(0);
    const std::string& bytes = memory.Bytes();

    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return Failed(errno);
    errno = 0;
    bool ok = WriteAllAt(fd, bytes) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 &&
              ::fsync(fd) == 0;
    const int reason = errno;
    ok = ::close(fd) == 0 && ok;
    return ok ? SaveOutcome{true, 0} : Failed(reason);
}

}  // namespace

SaveOutcome SaveFile(const std::filesystem::path& file, const ContentWriter& write,
                     const SinkFilter& filter) {
    // Write beside the real file when the name is a link, so the link survives the rename.
    std::error_code error;
    std::filesystem::path target = file;
    if (std::filesystem::is_symlink(file, error)) {
        target = std::filesystem::weakly_canonical(file, error);
        if (error) target = file;
    }
    RemoveStaleTemporaries(target);

    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists) {
        if (!S_ISREG(old.st_mode)) return Failed(0);
        // A file the user may not write stays as it is, whatever its folder allows.
        if (::access(target.c_str(), W_OK) != 0) return Failed(errno);
    }

    std::filesystem::path temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0) {
        const int reason = errno;
        if (exists && (reason == EACCES || reason == EPERM))
            return SaveInPlace(target, write, filter);
        return Failed(reason);
    }
    if (exists) ::fchmod(fd, old.st_mode & 07777);

    FileSink fileSink(fd);
    std::unique_ptr<CByteSink> filtered = filter ? filter(fileSink) : nullptr;
    errno = 0;  // a failure of the sink itself names no reason
    const bool written = write(filtered ? *filtered : fileSink);
    const bool closed = fileSink.Close(written);
    if (!written || !closed || ::rename(temporary.c_str(), target.c_str()) != 0) {
        const int reason = errno;
        ::unlink(temporary.c_str());
        return Failed(reason);
    }
    SyncFolder(FolderOf(target));
    return SaveOutcome{true, 0};
}

std::optional<FileStamp> StampOf(const std::filesystem::path& file) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) return std::nullopt;
    return FileStamp{static_cast<std::uintmax_t>(info.st_dev),
                     static_cast<std::uintmax_t>(info.st_ino), info.st_size, info.st_mtim.tv_sec,
                     info.st_mtim.tv_nsec};
}

void RemoveStaleTemporaries(const std::filesystem::path& file) {
    const std::string prefix = TemporaryPrefix(file);
    std::error_code error;
    std::filesystem::directory_iterator entries(FolderOf(file), error);
    if (error) return;
    for (const auto& entry : entries) {
        const std::string name = entry.path().filename().string();
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) continue;
        // The rest must be exactly "<pid>-<n>".
        const char* const end = name.data() + name.size();
        long pid = 0;
        unsigned long attempt = 0;
        auto [dash, bad] = std::from_chars(name.data() + prefix.size(), end, pid);
        if (bad != std::errc() || dash == end || *dash != '-') continue;
        auto [last, bad2] = std::from_chars(dash + 1, end, attempt);
        if (bad2 != std::errc() || last != end || pid <= 0 || pid == ::getpid()) continue;
        if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
        if (entry.is_symlink(error) || !entry.is_regular_file(error)) continue;
        std::filesystem::remove(entry.path(), error);
    }
}

}  // namespace zav
