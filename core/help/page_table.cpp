#include "core/help/page_table.h"

#include <climits>

#include "core/course/textfile.h"

namespace zav {
namespace {

// The white space of formatted input: blank, tab, line feed, vertical tab, form feed, CR.
bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

class CScanner {
  public:
    explicit CScanner(std::string_view text) : text_(text) {}

    void SkipSpace() {
        while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
    }

    // "%d": optional sign and at least one digit, clamped to the range of int.
    std::optional<int> Integer() {
        SkipSpace();
        std::size_t p = pos_;
        bool negative = false;
        if (p < text_.size() && (text_[p] == '+' || text_[p] == '-')) negative = text_[p++] == '-';
        const std::size_t digits = p;
        long long value = 0;
        for (; p < text_.size() && text_[p] >= '0' && text_[p] <= '9'; ++p) {
            if (value <= INT_MAX) value = value * 10 + (text_[p] - '0');
        }
        if (p == digits) return std::nullopt;
        pos_ = p;
        if (negative) value = -value;
        if (value > INT_MAX) return INT_MAX;
        if (value < INT_MIN) return INT_MIN;
        return static_cast<int>(value);
    }

    std::size_t Position() const { return pos_; }

    bool Literal(char c) {
        if (pos_ >= text_.size() || text_[pos_] != c) return false;
        ++pos_;
        return true;
    }

    // "%s" into a buffer of limit characters: the word is cut there and its rest skipped. A 0
    // byte ends the name as it would end a C string.
    std::optional<std::string> Word(std::size_t limit) {
        SkipSpace();
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !IsSpace(text_[pos_])) ++pos_;
        if (pos_ == start) return std::nullopt;
        std::string_view word = text_.substr(start, pos_ - start);
        word = word.substr(0, word.find('\0'));
        return std::string(word.substr(0, limit));
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace

CPageTable ParsePageTable(std::string_view text) {
    CPageTable table;
    CScanner in(text);
    while (table.entries.size() < CPageTable::kMaxEntries) {
        in.SkipSpace();
        table.end = in.Position();
        auto first = in.Integer();
        if (!first || !in.Literal(':')) break;
        auto file = in.Word(CPageTable::kMaxName);
        if (!file) break;
        table.entries.push_back({*first, std::move(*file), table.end});
    }
    in.SkipSpace();
    if (table.entries.size() == CPageTable::kMaxEntries) table.end = in.Position();
    return table;
}

std::optional<CPageTable> LoadPageTable(const std::filesystem::path& path, CUnmappable* refused) {
    auto bytes = ReadBinaryFile(path);
    if (!bytes) return std::nullopt;
    CDecodedText decoded = DecodeText(*bytes);
    if (!decoded.unmappable.empty()) {
        if (refused) *refused = decoded.unmappable.front();
        return std::nullopt;
    }
    return ParsePageTable(decoded.text);
}

std::optional<std::string> SelectExercisePage(const CPageTable& table, int index) {
    if (table.entries.empty()) return std::nullopt;
    std::size_t chosen = 0;
    for (std::size_t k = 1; k < table.entries.size(); ++k) {
        if (table.entries[k].first > index) break;
        chosen = k;
    }
    return table.entries[chosen].file;
}

}  // namespace zav
