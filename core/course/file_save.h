#pragma once
// Saving a file so that the user's data survives: a new file is written beside the old one,
// synced and renamed over it, then the folder is synced. Where the folder cannot be written but
// the file can, the file is written in place. The file's own permissions decide: a file the user
// may not write is left alone.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zav {

// Where a writer's bytes go. Write returns false when the bytes could not all be written.
class CByteSink {
  public:
    virtual ~CByteSink() = default;
    virtual bool Write(std::string_view bytes) = 0;
};

class CStringSink : public CByteSink {
  public:
    bool Write(std::string_view bytes) override {
        bytes_.append(bytes);
        return true;
    }
    const std::string& Bytes() const { return bytes_; }

  private:
    std::string bytes_;
};

// Puts a sink between the writer and the file being written; tests use it to make the write
// fail part-way.
using SinkFilter = std::function<std::unique_ptr<CByteSink>(CByteSink& file)>;
// Writes the whole content into the sink; false as soon as the sink fails.
using ContentWriter = std::function<bool(CByteSink& sink)>;

struct SaveOutcome {
    bool ok = false;
    int systemError = 0;  // errno of the step that failed; 0 when it names no reason
};

SaveOutcome SaveFile(const std::filesystem::path& file, const ContentWriter& write,
                     const SinkFilter& filter = {});

// What tells whether a file was changed or replaced since it was last seen.
struct FileStamp {
    std::uintmax_t device = 0;
    std::uintmax_t inode = 0;
    std::intmax_t size = 0;
    std::intmax_t modifiedSeconds = 0;
    long modifiedNanoseconds = 0;

    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file at `file` (a link is followed); nothing when there is none.
std::optional<FileStamp> StampOf(const std::filesystem::path& file);

// Removes the temporary files "<name>.tmp<pid>-<n>" that saves of `file` by processes that no
// longer run left behind (a save killed before its rename).
void RemoveStaleTemporaries(const std::filesystem::path& file);

}  // namespace zav
