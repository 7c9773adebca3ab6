#include "zavtool/tool.h"

#include <langinfo.h>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "core/course/text_encoding.h"
#include "shared/translation.h"

namespace zav::tool {
namespace {

bool utf8Terminal = false;

void Write(std::FILE* to, std::string_view bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), to);
}

// The tool's own messages are UTF-8; outside a UTF-8 terminal they go out in Windows-1252.
void WriteMessage(std::FILE* to, std::string_view message) {
    Write(to, utf8Terminal ? std::string(message) : Cp1252FromUtf8(message));
}

}  // namespace

void ReadTerminalEncoding() {
    std::setlocale(LC_CTYPE, "");
    utf8Terminal = std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
}

bool TerminalIsUtf8() {
    return utf8Terminal;
}

std::string Tr(const char* source, std::initializer_list<std::string_view> args) {
    const std::string text = ui::EarlyTranslation("zavtool", source).toStdString();
    // One pass, so that an argument holding "%2" stays as it is, in whatever order the
    // translation puts the marks.
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n = i + 1 < text.size() ? std::size_t(text[i + 1] - '1') : args.size();
        if (text[i] == '%' && n < args.size()) {
            out += *(args.begin() + n);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string TextArgument(const std::string& arg) {
    return utf8Terminal ? Cp1252FromUtf8(arg) : arg;
}

void Out(std::string_view bytes) {
    Write(stdout, utf8Terminal ? Utf8FromCp1252(bytes) : std::string(bytes));
}

void Say(std::string_view message) {
    WriteMessage(stdout, message);
}

void SayError(std::string_view message) {
    WriteMessage(stderr, message);
}

int Fail(std::string_view message) {
    WriteMessage(stderr, "zavtool: ");
    WriteMessage(stderr, message);
    std::fputc('\n', stderr);
    return 1;
}

void Notice(std::string_view text) {
    Write(stderr, utf8Terminal ? Utf8FromCp1252(text) : std::string(text));
    std::fputc('\n', stderr);
}

std::filesystem::path ToolFolder() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path(error) : self.parent_path();
}

bool ParseOptions(Args args, std::initializer_list<std::string_view> allowed, Options& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            options.positional.push_back(arg);
            continue;
        }
        const std::string_view name = std::string_view(arg).substr(2);
        bool known = false;
        for (auto a : allowed) known = known || a == name;
        if (!known || i + 1 >= args.size()) return false;
        (name == "config" ? options.config : options.course) = args[++i];
    }
    return true;
}

}  // namespace zav::tool
