#include "shared/qt_text.h"

#include "core/course/text_encoding.h"

namespace zav::ui {
namespace {

// Windows-1252 has no character beyond the first plane.
char16_t UnicodeOf(unsigned char byte) {
    return static_cast<char16_t>(UnicodeOfCp1252(byte));
}

int CodeOf(char16_t unit) {
    return Cp1252OfUnicode(unit);
}

}  // namespace

QString FromCp1252(const std::string& bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (unsigned char b : bytes) out.append(QChar(UnicodeOf(b)));
    return out;
}

QString FromUtf8OrCp1252(const std::string& bytes) {
    return IsUtf8Text(bytes) ? QString::fromStdString(bytes) : FromCp1252(bytes);
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
