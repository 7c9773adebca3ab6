#include "tutor/course/textfile.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace zav {

std::optional<std::string> ReadBinaryFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    // A folder opens but throws on the first read: it is a file that cannot be read.
    try {
        std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (in.bad()) return std::nullopt;
        return bytes;
    } catch (const std::ios_base::failure&) {
        return std::nullopt;
    }
}

std::optional<std::string> ReadTextFile(const std::filesystem::path& path) {
    auto bytes = ReadBinaryFile(path);
    if (!bytes) return std::nullopt;
    std::string text;
    text.reserve(bytes->size());
    const std::string& b = *bytes;
    for (std::size_t i = 0; i < b.size(); ++i) {
        if (b[i] == '\r' && i + 1 < b.size() && b[i + 1] == '\n') continue;
        text.push_back(b[i]);
    }
    return text;
}

std::optional<CLineReader::Line> CLineReader::Next() {
    if (pos_ >= text_.size()) return std::nullopt;
    Line line;
    const std::size_t limit = std::min(text_.size(), pos_ + kMaxLine);
    const std::size_t lf = text_.find('\n', pos_);
    if (lf != std::string_view::npos && lf < limit) {
        line.text.assign(text_.substr(pos_, lf - pos_));
        line.complete = true;
        pos_ = lf + 1;
    } else {
        line.text.assign(text_.substr(pos_, limit - pos_));
        line.complete = line.text.size() == kMaxLine;
        pos_ = limit;
    }
    return line;
}

}  // namespace zav
