#pragma once
// The progress file (".zav"): the document's fields in a fixed order, little-endian, strings
// with a length prefix, no header. Saving replaces the file only once the new one is complete.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/course/document.h"
#include "core/course/file_save.h"

namespace zav {

// Strings in a progress file are never longer than this; a file with a longer one is refused
// like a file that cannot be read.
inline constexpr std::size_t kMaxStoredString = std::size_t{64} << 10;

enum class ProgressStatus { Ok, CannotOpen, CannotWrite, Truncated };

struct ProgressResult {
    ProgressStatus status = ProgressStatus::Ok;
    // The text to show, from the tutor's texts (Windows-1252); may hold "%1" for the file.
    std::string text;
    std::filesystem::path file;
    // Reading only: the course path stored in the file; the caller loads it (an empty path
    // reloads the current course).
    std::string coursePath;

    bool Ok() const { return status == ProgressStatus::Ok; }
    // `text` with "%1" replaced by the file's path as bytes.
    std::string Message() const;
};

// Writes the document's fields in file order, the course path last. False as soon as the sink
// fails.
bool WriteProgress(const CZAVTypeDoc& doc, std::string_view coursePath, CByteSink& sink);
std::string EncodeProgress(const CZAVTypeDoc& doc, std::string_view coursePath);

// Reads the fields into `doc` (not its course nor okThreshold; FitOpenedFile follows once the
// course is loaded). Values outside their ranges are
// brought into range. A file that ends early gives Truncated and leaves `doc` untouched: the
// caller shows the text and makes a New document.
ProgressResult DecodeProgress(std::string_view bytes, CZAVTypeDoc& doc);
// Also removes the temporary files that killed saves of `file` left behind.
ProgressResult ReadProgress(const std::filesystem::path& file, CZAVTypeDoc& doc);

// Saves with SaveFile, so that a failed or interrupted save leaves the old file as it was. The
// course path written is the course's.
ProgressResult SaveProgress(const CZAVTypeDoc& doc, const std::filesystem::path& file,
                            const SinkFilter& filter = {});
// The same with the course path given: for a document whose course is not loaded.
ProgressResult SaveProgress(const CZAVTypeDoc& doc, std::string_view coursePath,
                            const std::filesystem::path& file, const SinkFilter& filter = {});

}  // namespace zav
