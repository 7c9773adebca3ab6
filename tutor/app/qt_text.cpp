#include "tutor/app/qt_text.h"

#include <array>

namespace zav::ui {
namespace {

// Codes 0x80..0x9f; 0 where Windows-1252 leaves a code undefined.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20ac, 0,      0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017d, 0,      0,      0x2018, 0x2019, 0x201c, 0x201d, 0x2022,
    0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0,      0x017e, 0x0178};

char16_t UnicodeOf(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xa0) {
        const char16_t mapped = kHighControls[byte - 0x80];
        return mapped ? mapped : byte;
    }
    return byte;
}

int CodeOf(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xa0 && unit <= 0xff)) return unit;
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == unit) return 0x80 + i;
    return -1;
}

}  // namespace

QString FromCp1252(const std::string& bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (unsigned char b : bytes) out.append(QChar(UnicodeOf(b)));
    return out;
}

std::string ToCp1252(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        const int code = CodeOf(c.unicode());
        out.push_back(code < 0 ? '?' : static_cast<char>(code));
    }
    return out;
}

int Cp1252Code(const QString& typed) {
    if (typed.size() != 1) return -1;
    return CodeOf(typed.at(0).unicode());
}

QString FirstWithoutCp1252(const QString& text) {
    for (const char32_t c : text.toUcs4())
        if (c > 0xffff || CodeOf(static_cast<char16_t>(c)) < 0) return QString::fromUcs4(&c, 1);
    return {};
}

QColor FromColorRef(std::uint32_t colorRef) {
    return QColor(colorRef & 0xff, (colorRef >> 8) & 0xff, (colorRef >> 16) & 0xff);
}

}  // namespace zav::ui
