#pragma once
// What every zavtool command shares: its arguments, raw output, errors and the tool's folder.
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

// Writes bytes to stdout as stored (Windows-1252), no conversion.
void Out(std::string_view bytes);
// Writes "zavtool: MESSAGE" and a line end to stderr; returns 1, the error status.
int Fail(std::string_view message);
// Writes a line of the tutor's own text to stderr, as the tutor would show it.
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
