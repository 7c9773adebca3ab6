#include "core/app/number_text.h"

#include <algorithm>
#include <climits>

namespace zav {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads an optional sign and digits from `pos`; leaves `pos` after them.
std::optional<int> ReadNumber(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t first = pos;
    long long value = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        if (value <= INT_MAX) value = value * 10 + (text[pos] - '0');
    }
    if (pos == first) return std::nullopt;
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

}  // namespace

std::optional<int> ParseWholeNumber(std::string_view text) {
    std::size_t pos = 0;
    const std::optional<int> value = ReadNumber(text, pos);
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    if (pos != text.size()) return std::nullopt;
    return value;
}

std::optional<int> ScanLeadingNumber(std::string_view text) {
    std::size_t pos = 0;
    return ReadNumber(text, pos);
}

int StepNumber(std::string_view text, int step, int low, int high, bool wrap) {
    if (high < low) return low;
    const long long current = std::clamp(ScanLeadingNumber(text).value_or(low), low, high);
    const long long next = current + step;
    if (next > high) return wrap && current == high ? low : high;
    if (next < low) return wrap && current == low ? high : low;
    return static_cast<int>(next);
}

int AcceleratedStep(int heldMs) {
    if (heldMs >= 5000) return 100;
    if (heldMs >= 2000) return 10;
    return 1;
}

}  // namespace zav
