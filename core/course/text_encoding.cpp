#include "core/course/text_encoding.h"

#include <array>
#include <cstdio>

namespace zav {
namespace {

// Codes 0x80..0x9f; 0 where Windows-1252 leaves a code undefined.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20ac, 0,      0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017d, 0,      0,      0x2018, 0x2019, 0x201c, 0x201d, 0x2022,
    0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0,      0x017e, 0x0178};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// One UTF-8 character at `pos`: its code and length, or length 0 when the bytes there are not
// UTF-8 (overlong forms, surrogates and codes beyond U+10FFFF included).
struct Utf8Char {
    char32_t code = 0;
    std::size_t length = 0;
};

Utf8Char NextUtf8(std::string_view s, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) return {lead, 1};
    std::size_t length;
    char32_t code;
    char32_t least;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, code = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, code = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, code = lead & 0x07, least = 0x10000;
    } else {
        return {};
    }
    if (pos + length > s.size()) return {};
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80) return {};
        code = (code << 6) | (byte(pos + i) & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
    return {code, length};
}

}  // namespace

char32_t UnicodeOfCp1252(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xa0) {
        const char16_t mapped = kHighControls[byte - 0x80];
        return mapped ? mapped : byte;
    }
    return byte;
}

int Cp1252OfUnicode(char32_t character) {
    if (character < 0x80 || (character >= 0xa0 && character <= 0xff))
        return static_cast<int>(character);
    // The undefined codes stand for themselves both ways, so that every byte survives.
    if (character >= 0x80 && character < 0xa0 && kHighControls[character - 0x80] == 0)
        return static_cast<int>(character);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == character) return 0x80 + i;
    return -1;
}

std::string Utf8FromCp1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (unsigned char b : bytes) AppendUtf8(out, UnicodeOfCp1252(b));
    return out;
}

std::string Cp1252FromUtf8(std::string_view utf8, char missing) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const Utf8Char c = NextUtf8(utf8, pos);
        const int code = c.length ? Cp1252OfUnicode(c.code) : -1;
        out.push_back(code < 0 ? missing : static_cast<char>(code));
        pos += c.length ? c.length : 1;
    }
    return out;
}

bool IsUtf8Text(std::string_view bytes) {
    if (bytes.starts_with(kByteOrderMark)) return true;
    bool beyondAscii = false;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const Utf8Char c = NextUtf8(bytes, pos);
        if (c.length == 0) return false;
        beyondAscii = beyondAscii || c.code >= 0x80;
        pos += c.length;
    }
    return beyondAscii;
}

CDecodedText DecodeText(std::string_view bytes) {
    CDecodedText decoded;
    if (!IsUtf8Text(bytes)) {
        decoded.text.assign(bytes);
        return decoded;
    }
    decoded.utf8 = true;
    if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
    decoded.text.reserve(bytes.size());
    int line = 1;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const Utf8Char c = NextUtf8(bytes, pos);
        const int code = c.length ? Cp1252OfUnicode(c.code) : -1;
        if (code >= 0) {
            decoded.text.push_back(static_cast<char>(code));
        } else {
            CUnmappable missing{line, {}, static_cast<unsigned char>(bytes[pos])};
            if (c.length) {
                missing.code = c.code;
                missing.character.assign(bytes.substr(pos, c.length));
            }
            decoded.unmappable.push_back(std::move(missing));
            decoded.text.push_back('?');
        }
        if (bytes[pos] == '\n') ++line;
        pos += c.length ? c.length : 1;
    }
    return decoded;
}

std::string DescribeUnmappable(const CUnmappable& character) {
    char code[16];
    if (character.character.empty()) {
        std::snprintf(code, sizeof code, "byte 0x%02X", static_cast<unsigned>(character.code));
        return code;
    }
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(character.code));
    return "\xC2\xAB" + character.character + "\xC2\xBB (" + code + ")";
}

}  // namespace zav
