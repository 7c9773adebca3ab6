#pragma once
// Files as the programs read them. Every reader goes through ReadFileBytes, which never blocks
// on a pipe or a device and never reads without end: only regular files up to a limit are read.
// Text files are bytes of Windows-1252, a CR right before an LF dropped (files written on
// Windows read the same), lines taken at most 255 characters at a time.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zav {

// Limits that no real file reaches: a course, settings file, finger table, page table or help
// page above 16 MB, or a progress file above 64 MB, is refused rather than read.
inline constexpr std::size_t kTextFileLimit = std::size_t{16} << 20;
inline constexpr std::size_t kProgressFileLimit = std::size_t{64} << 20;

enum class FileError {
    None,
    CannotOpen,  // missing, no access, or a read that failed; `systemError` says why
    NotRegular,  // a folder, pipe, socket or device
    TooLarge,    // above the limit
};

struct FileBytes {
    std::string bytes;
    FileError error = FileError::None;
    int systemError = 0;  // errno of the failed open or read, 0 otherwise

    bool Ok() const { return error == FileError::None; }
};

// The whole regular file at `path` as stored, or the reason it was not read.
FileBytes ReadFileBytes(const std::filesystem::path& path, std::size_t limit = kTextFileLimit);

// The whole file with every CR LF turned into LF; nothing when it cannot be read.
std::optional<std::string> ReadTextFile(const std::filesystem::path& path);

// The whole file as stored; nothing when it cannot be read.
std::optional<std::string> ReadBinaryFile(const std::filesystem::path& path,
                                          std::size_t limit = kTextFileLimit);

// Reads lines the way a 256-byte line buffer does: at most 255 characters at a time, stopping
// early only at an LF, which is consumed and not part of the line.
class CLineReader {
  public:
    static constexpr std::size_t kMaxLine = 255;

    explicit CLineReader(std::string_view text) : text_(text) {}

    struct Line {
        std::string text;
        // True when the read ended at an LF or took a full 255 characters; false when it ran
        // into the end of the text first.
        bool complete = false;
    };

    // The next line; nothing once the text is used up.
    std::optional<Line> Next();

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace zav
