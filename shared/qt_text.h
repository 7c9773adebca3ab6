#pragma once
// The edge between the core's Windows-1252 bytes and Qt's Unicode text, and between settings
// colours (0x00BBGGRR) and QColor. Window code converts here and nowhere else.
#include <QColor>
#include <QString>
#include <cstdint>
#include <string>

namespace zav::ui {

QString FromCp1252(const std::string& bytes);
// Bytes that may be UTF-8 or Windows-1252, told apart as course files are (a path sent by the
// add-on, for one).
QString FromUtf8OrCp1252(const std::string& bytes);
// Characters without a Windows-1252 code become '?'.
std::string ToCp1252(const QString& text);
// The code of one typed character, or -1 when the text is not exactly one character that
// Windows-1252 has.
int Cp1252Code(const QString& typed);
// The first character of the text that Windows-1252 lacks; empty when it has them all.
QString FirstWithoutCp1252(const QString& text);
QColor FromColorRef(std::uint32_t colorRef);

}  // namespace zav::ui
