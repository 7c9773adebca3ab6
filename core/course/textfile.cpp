#include "core/course/textfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace zav {
namespace {

// Reads `fd` to its end into `out`; false with errno set when a read fails, and stops once
// more than `limit` bytes were read (a file that grows while it is read).
bool ReadAll(int fd, std::size_t limit, std::string& out) {
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0) return true;
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        out.append(buffer, static_cast<std::size_t>(got));
        if (out.size() > limit) return true;
    }
}

}  // namespace

FileBytes ReadFileBytes(const std::filesystem::path& path, std::size_t limit) {
    FileBytes result;
    // Without O_NONBLOCK, opening a pipe waits for a writer that may never come.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        result.error = FileError::CannotOpen;
        result.systemError = errno;
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        result.error = FileError::CannotOpen;
        result.systemError = errno;
    } else if (!S_ISREG(info.st_mode)) {
        result.error = FileError::NotRegular;
    } else if (static_cast<std::uintmax_t>(info.st_size) > limit) {
        result.error = FileError::TooLarge;
    } else {
        result.bytes.reserve(static_cast<std::size_t>(info.st_size));
        if (!ReadAll(fd, limit, result.bytes)) {
            result.error = FileError::CannotOpen;
            result.systemError = errno;
        } else if (result.bytes.size() > limit) {
            result.error = FileError::TooLarge;
        }
    }
    ::close(fd);
    if (!result.Ok()) std::string().swap(result.bytes);
    return result;
}

std::optional<std::string> ReadBinaryFile(const std::filesystem::path& path, std::size_t limit) {
    FileBytes file = ReadFileBytes(path, limit);
    if (!file.Ok()) return std::nullopt;
    return std::move(file.bytes);
}

std::optional<std::string> ReadTextFile(const std::filesystem::path& path) {
    auto bytes = ReadBinaryFile(path);
    if (!bytes) return std::nullopt;
    // CR LF becomes LF in place: the text never grows.
    std::string& b = *bytes;
    std::size_t out = 0;
    for (std::size_t i = 0; i < b.size(); ++i) {
        if (b[i] == '\r' && i + 1 < b.size() && b[i + 1] == '\n') continue;
        b[out++] = b[i];
    }
    b.resize(out);
    return bytes;
}

std::optional<CLineReader::Line> CLineReader::Next() {
    if (pos_ >= text_.size()) return std::nullopt;
    Line line;
    // The line break is looked for only within the next 255 characters, so that a text without
    // one is read in linear time.
    const std::string_view part = text_.substr(pos_, kMaxLine);
    const std::size_t lf = part.find('\n');
    if (lf != std::string_view::npos) {
        line.text.assign(part.substr(0, lf));
        line.complete = true;
        pos_ += lf + 1;
    } else {
        line.text.assign(part);
        line.complete = part.size() == kMaxLine;
        pos_ += part.size();
    }
    return line;
}

}  // namespace zav
