#pragma once
// Text files as the tutor reads them: bytes of Windows-1252, a CR right before an LF dropped
// (files written on Windows read the same), lines taken at most 255 characters at a time.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zav {

// The whole file with every CR LF turned into LF; nothing when it cannot be opened.
std::optional<std::string> ReadTextFile(const std::filesystem::path& path);

// The whole file as stored; nothing when it cannot be opened.
std::optional<std::string> ReadBinaryFile(const std::filesystem::path& path);

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
