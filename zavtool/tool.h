#pragma once
// What every zavtool command shares: its arguments, raw output, errors and the tool's folder.
#include <QtGlobal>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zav::tool {

// The command's arguments, after the command name.
using Args = std::span<const std::string>;

// A command: its exit status is 0 on success, 1 after an error written to stderr.
using CommandFn = int (*)(Args args);

// The terminal's encoding, taken from the locale once at start: in a locale whose character set
// is UTF-8, text crosses the terminal as UTF-8; in any other (C, POSIX) it stays the
// Windows-1252 bytes the core holds, so that scripts reading them keep working.
void ReadTerminalEncoding();
bool TerminalIsUtf8();
// An argument that is text to type (not a path), as the core's Windows-1252 bytes.
std::string TextArgument(const std::string& arg);

// A message of the tool's own (UTF-8, marked with QT_TRANSLATE_NOOP("zavtool", ...) for Qt
// Linguist) in the interface language: English when the locale's language is English, else the
// Spanish source. %1, %2... take `args` in order.
std::string Tr(const char* source, std::initializer_list<std::string_view> args = {});

// Writes Windows-1252 bytes of the core (course lines, settings, drills) to stdout.
void Out(std::string_view bytes);
// Writes a message of the tool's own, written in UTF-8, to stdout.
void Say(std::string_view message);
// Writes a message of the tool's own, written in UTF-8, to stderr.
void SayError(std::string_view message);
// Writes "zavtool: MESSAGE" (UTF-8) and a line end to stderr; returns 1, the error status.
int Fail(std::string_view message);
// Writes a line of the tutor's own text (Windows-1252) to stderr, as the tutor would show it.
void Notice(std::string_view text);

// The folder that holds the running zavtool, where the tutor's files lie beside it.
std::filesystem::path ToolFolder();

// Takes "--name VALUE" out of `args`; false when the option lacks its value or is unknown.
struct Options {
    std::vector<std::string> positional;
    std::optional<std::string> config;
    std::optional<std::string> course;
};
bool ParseOptions(Args args, std::initializer_list<std::string_view> allowed, Options& options);

}  // namespace zav::tool
