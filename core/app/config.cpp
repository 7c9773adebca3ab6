#include "core/app/config.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <optional>

#include "core/course/document.h"
#include "core/course/textfile.h"

namespace zav {
namespace {

// A line split as "%[^:]:%[^\n#]" splits it: both parts must be non-empty.
struct Setting {
    std::string_view key;
    std::string_view value;
};

std::optional<Setting> Split(std::string_view line) {
    // The line is a C string to the scanner: it ends at the first NUL byte.
    line = line.substr(0, line.find('\0'));
    const auto colon = line.find(':');
    if (colon == 0 || colon == std::string_view::npos) return std::nullopt;
    std::string_view value = line.substr(colon + 1);
    value = value.substr(0, value.find_first_of("\n#"));
    if (value.empty()) return std::nullopt;
    return Setting{line.substr(0, colon), value};
}

// Decimal as "%d" reads it: leading blanks skipped, an optional sign, at least one digit.
std::optional<int> ParseInt(std::string_view value) {
    const std::string text(value);
    char* end = nullptr;
    const long number = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str()) return std::nullopt;
    return static_cast<int>(std::clamp<long>(number, INT_MIN, INT_MAX));
}

// Hexadecimal as "%x" reads it: leading blanks skipped, an optional 0x prefix.
std::optional<std::uint32_t> ParseHex(std::string_view value) {
    const std::string text(value);
    char* end = nullptr;
    const unsigned long long number = std::strtoull(text.c_str(), &end, 16);
    if (end == text.c_str()) return std::nullopt;
    return static_cast<std::uint32_t>(number);
}

bool StartsWith(std::string_view value, std::string_view prefix) {
    return value.substr(0, prefix.size()) == prefix;
}

void SetColour(std::uint32_t& field, std::string_view value) {
    if (auto number = ParseHex(value)) field = *number;
}

// "no…" switches off; anything else leaves the field as it was.
template <typename T>
void SetNo(T& field, std::string_view value) {
    if (StartsWith(value, "no")) field = 0;
}

struct ColourKey {
    std::string_view key;
    std::uint32_t CConfig::*field;
};

constexpr ColourKey kColourKeys[] = {
    {"col_bgnd", &CConfig::col_bgnd},
    {"col_top_tl", &CConfig::col_top_tl},
    {"col_top_br", &CConfig::col_top_br},
    {"col_status", &CConfig::col_status},
    {"col_srce", &CConfig::col_srce},
    {"col_box", &CConfig::col_box},
    {"col_bottom_tl", &CConfig::col_bottom_tl},
    {"col_bottom_br", &CConfig::col_bottom_br},
    {"col_ex", &CConfig::col_ex},
    {"col_caret", &CConfig::col_caret},
    {"col_blobs", &CConfig::col_blobs},
    {"col_err", &CConfig::col_err},
};

}  // namespace

bool CConfig::Read(const std::filesystem::path& folder) {
    *this = CConfig{};
    const auto text = ReadTextFile(folder / "config.txt");
    if (!text) return false;
    Apply(*text);
    return true;
}

void CConfig::Apply(std::string_view text) {
    CLineReader reader(text);
    // Every line counts, the last one also without a line break.
    while (auto line = reader.Next()) {
        const auto setting = Split(line->text);
        if (!setting || setting->key.size() < 2) continue;
        const std::string_view key = setting->key;
        const std::string_view value = setting->value;

        bool matched = false;
        for (const auto& colour : kColourKeys) {
            if (key == colour.key) {
                SetColour(this->*colour.field, value);
                matched = true;
            }
        }
        if (matched) continue;

        if (key == "font_name") {
            font_name = value;
        } else if (key == "affiliation") {
            affiliation = value;
        } else if (key == "font_size") {
            if (auto number = ParseInt(value)) font_size = *number < 0 ? 120 : *number;
        } else if (key == "auto_num") {
            if (auto number = ParseInt(value)) auto_num = std::clamp(*number, 0, 5);
        } else if (key == "ok_thresh") {
            if (auto number = ParseInt(value)) ok_thresh = *number;
        } else if (key == "auto_type") {
            if (StartsWith(value, "any")) {
                auto_type = AnyTurns;
            } else if (StartsWith(value, "ok")) {
                auto_type = OkTurns;
            } else if (StartsWith(value, "perfect")) {
                auto_type = PerfectTurns;
            }
        } else if (key == "audio") {
            if (StartsWith(value, "off")) {
                audio = AudioMode::Off;
            } else if (StartsWith(value, "disable")) {
                audio = AudioMode::Disabled;
            }
        } else if (key == "auto_advance") {
            SetNo(auto_advance, value);
        } else if (key == "auto_check") {
            SetNo(auto_check, value);
        } else if (key == "cursor_flash") {
            SetNo(cursor_flash, value);
        } else if (key == "cursor_shape") {
            if (value.front() == '|') cursor_shape = false;
        }
    }
}

}  // namespace zav
