#pragma once
// Text as teachers write it: files in Windows-1252, the tutor's own encoding, or in UTF-8, as
// most editors save today. Decoding brings both to Windows-1252 bytes, the only text the rest of
// the core knows.
#include <string>
#include <string_view>
#include <vector>

namespace zav {

// The Unicode character of a Windows-1252 byte; the five codes that Windows-1252 leaves
// undefined stand for themselves.
char32_t UnicodeOfCp1252(unsigned char byte);
// The Windows-1252 code of a character, or -1 when it has none.
int Cp1252OfUnicode(char32_t character);

// Windows-1252 bytes as UTF-8.
std::string Utf8FromCp1252(std::string_view bytes);
// UTF-8 as Windows-1252 bytes; characters that Windows-1252 lacks, and bytes that are not
// UTF-8, become `missing`.
std::string Cp1252FromUtf8(std::string_view utf8, char missing = '?');

// A file's bytes are taken as UTF-8 when they begin with the UTF-8 byte-order mark, or when they
// are valid UTF-8 holding at least one character beyond ASCII. Every other file is Windows-1252.
bool IsUtf8Text(std::string_view bytes);

// A character of a UTF-8 file that cannot become Windows-1252.
struct CUnmappable {
    int line = 0;           // 1-based line of the file
    std::string character;  // the character in UTF-8; empty when the bytes are not UTF-8
    char32_t code = 0;      // its code point; for bytes that are not UTF-8, the first byte
};

struct CDecodedText {
    std::string text;  // Windows-1252; without the byte-order mark
    bool utf8 = false;
    std::vector<CUnmappable> unmappable;  // in file order; the text is usable only when empty
};

// Windows-1252 bytes stay exactly as they are; UTF-8 is converted.
CDecodedText DecodeText(std::string_view bytes);

// "«ő» (U+0151)" for a message, in UTF-8; "byte 0xFF" for bytes that are not UTF-8.
std::string DescribeUnmappable(const CUnmappable& character);

}  // namespace zav
